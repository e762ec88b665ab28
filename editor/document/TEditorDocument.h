#pragma once

#include "InstanceFields.h"
#include "TProjectDocument.h"
#include "TSnapshotCommand.h"

#include <QMap>
#include <QObject>
#include <QTimer>
#include <QUndoStack>

#include <functional>

// The project being edited and its change history: the one source of truth
// that the editor's widgets and the preview listen to. The project changes
// only through commands, so every change can be undone and redone, and
// "modified" means the history stands away from the point of the last save.
class TEditorDocument : public QObject {
    Q_OBJECT
public:
    // A pause this long ends a typing session: the next keystroke starts a step.
    static constexpr int iTypingPauseMs = 1000;

    explicit TEditorDocument(QObject* parent = nullptr);
    ~TEditorDocument() override;

    TProjectDocument& Data() { return Document; }
    const TProjectDocument& Data() const { return Document; }
    TZEPProject& Project() { return Document.Project; }
    const TZEPProject& Project() const { return Document.Project; }
    QUndoStack& History() { return Stack; }

    bool IsModified() const { return !Stack.isClean(); }
    // The project was saved: the current step becomes the clean point.
    void MarkSaved();
    // A project was loaded: an empty history, modified or not.
    void StartHistory(bool bModified = false);

    // Changes popup iInstance to the values of edited (a changed copy of it)
    // as one step; nothing when no field differs. With bTyping the step takes
    // in further changes of the same field until the typing session ends.
    void ChangeInstance(int iInstance, const TZEPInstance& edited, const QString& sStep, bool bTyping);
    // Ends the typing session: the next change is a step of its own.
    void EndTyping();

    // A copy of the current state, taken before a compound change.
    TDocumentSnapshot Snapshot() const;
    // Records the compound change made since the snapshot as one step.
    void PushSnapshot(const QString& sStep, TDocumentSnapshot before);
    // Makes the compound change and records it as one step.
    void ChangeProject(const QString& sStep, const std::function<void()>& change);

    // The texts of the editable file tabs that differ from their files, by
    // the file's name: what the preview and the journal take for the files.
    const QMap<QString, QString>& FileTexts() const { return UnsavedTexts; }
    // The designer changed a file tab's text from sOldText: one step, typing
    // merged as in the fields.
    void ChangeFileText(const QString& sFile, const QString& sOldText, const QString& sNewText);
    // The tab's text was written to its file or read from it: nothing unsaved.
    void ForgetFileText(const QString& sFile);
    // Texts recovered from a journal, shown by the tabs as unsaved.
    void SetFileTexts(const QMap<QString, QString>& texts);

    // For the commands: set the fields to their new (or old) values; put a
    // snapshot's state in place; set a file tab's text.
    void ApplyFields(int iInstance, const std::vector<InstanceFields::TFieldChange>& changes, bool bNew);
    void Restore(const TDocumentSnapshot& snapshot);
    void ApplyFileText(const QString& sFile, const QString& sText);

signals:
    // Fields of the popup were set by a step, its undo or its redo.
    void InstanceChanged(int iInstance);
    // The popups, their captions or the project's options were replaced.
    void ProjectReplaced();
    // A step, undo or redo set the text of the file's tab.
    void FileTextChanged(const QString& sFile, const QString& sText);
    void ModifiedChanged(bool bModified);
    // Anything changed: a step, an undo, a redo or a load.
    void Changed();

private:
    TProjectDocument Document;
    QUndoStack Stack;
    QMap<QString, QString> UnsavedTexts;
    QTimer TypingPause;
    int iTypingSession = 0;
};
