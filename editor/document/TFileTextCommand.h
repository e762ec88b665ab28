#pragma once

#include <QString>
#include <QUndoCommand>

class TEditorDocument;

// A change of the text of an editable file's tab. Typing in one tab is one
// step: a command takes in the next change of the same file in its session.
class TFileTextCommand : public QUndoCommand {
public:
    TFileTextCommand(TEditorDocument& document, QString sFile, QString sOldText, QString sNewText, int iSession);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TEditorDocument& Document;
    QString sFile;
    QString sOldText;
    QString sNewText;
    int iSession;
};
