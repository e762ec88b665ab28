#include "TFileTextCommand.h"

#include "TEditorDocument.h"

namespace {

constexpr int iFileTypingCommandId = 2;

} // namespace

TFileTextCommand::TFileTextCommand(TEditorDocument& document, QString sFile, QString sOldText, QString sNewText,
                                   int iSession)
    : QUndoCommand(QStringLiteral("Change Files")), Document(document), sFile(std::move(sFile)),
      sOldText(std::move(sOldText)), sNewText(std::move(sNewText)), iSession(iSession) {}

void TFileTextCommand::undo() {
    Document.ApplyFileText(sFile, sOldText);
}

void TFileTextCommand::redo() {
    Document.ApplyFileText(sFile, sNewText);
}

int TFileTextCommand::id() const {
    return iFileTypingCommandId;
}

bool TFileTextCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const TFileTextCommand*>(other);
    if (next->iSession != iSession || next->sFile != sFile)
        return false;
    sNewText = next->sNewText;
    setObsolete(sNewText == sOldText);
    return true;
}
