#include "TFieldCommand.h"

#include "TEditorDocument.h"

namespace {

constexpr int iTypingCommandId = 1;

} // namespace

TFieldCommand::TFieldCommand(TEditorDocument& document, int iInstance,
                             std::vector<InstanceFields::TFieldChange> changes, const QString& sStep, int iSession)
    : QUndoCommand(sStep), Document(document), iInstance(iInstance), Changes(std::move(changes)), iSession(iSession) {}

void TFieldCommand::undo() {
    Document.ApplyFields(iInstance, Changes, false);
}

void TFieldCommand::redo() {
    Document.ApplyFields(iInstance, Changes, true);
}

int TFieldCommand::id() const {
    return iSession >= 0 && Changes.size() == 1 ? iTypingCommandId : -1;
}

bool TFieldCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const TFieldCommand*>(other);
    if (next->iSession != iSession || next->iInstance != iInstance || next->Changes.size() != 1 ||
        next->Changes.front().sKey != Changes.front().sKey)
        return false;
    Changes.front().NewValue = next->Changes.front().NewValue;
    // Typing back to the value before the step leaves nothing to undo.
    setObsolete(Changes.front().NewValue == Changes.front().OldValue);
    return true;
}
