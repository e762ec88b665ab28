#include "TSnapshotCommand.h"

#include "TEditorDocument.h"

TSnapshotCommand::TSnapshotCommand(TEditorDocument& document, const QString& sStep, TDocumentSnapshot before,
                                   TDocumentSnapshot after)
    : QUndoCommand(sStep), Document(document), Before(std::move(before)), After(std::move(after)) {}

void TSnapshotCommand::undo() {
    Document.Restore(Before);
    bDone = false;
}

void TSnapshotCommand::redo() {
    if (!bDone)
        Document.Restore(After);
    bDone = false;
}
