#pragma once

#include "InstanceFields.h"

#include <QUndoCommand>

class TEditorDocument;

// A change of one or more fields of one popup, undone by setting the fields
// back. Typing in one field is one step: a command of a typing session takes
// in the next change of the same field of the same session.
class TFieldCommand : public QUndoCommand {
public:
    // iSession is the typing session the change belongs to, or -1 for a
    // change that never merges.
    TFieldCommand(TEditorDocument& document, int iInstance, std::vector<InstanceFields::TFieldChange> changes,
                  const QString& sStep, int iSession);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TEditorDocument& Document;
    int iInstance;
    std::vector<InstanceFields::TFieldChange> Changes;
    int iSession;
};
