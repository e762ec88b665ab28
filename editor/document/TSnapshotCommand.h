#pragma once

#include "TZEPProject.h"

#include <QStringList>
#include <QUndoCommand>

#include <memory>

class TEditorDocument;

// The whole editable state of the project: options, popups with their tab
// captions and the file lists.
struct TDocumentSnapshot {
    std::unique_ptr<TZEPProject> Project;
    QStringList EditableFiles;
    QStringList UpLoadIncludeList;
};

// A compound change (popups added or removed, a dialog's OK) kept as the
// states before and after it. The change is made before the command is
// pushed, so its first redo has nothing to do.
class TSnapshotCommand : public QUndoCommand {
public:
    TSnapshotCommand(TEditorDocument& document, const QString& sStep, TDocumentSnapshot before,
                     TDocumentSnapshot after);

    void undo() override;
    void redo() override;

private:
    TEditorDocument& Document;
    TDocumentSnapshot Before;
    TDocumentSnapshot After;
    bool bDone = true;
};
