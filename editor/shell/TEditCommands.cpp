#include "TEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

struct TCommandInfo {
    const char* sCaption;
    QKeySequence::StandardKey Key;
};

constexpr TCommandInfo CommandInfo[TEditCommands::ecCount] = {
    {"Undo", QKeySequence::Undo}, {"Redo", QKeySequence::UnknownKey}, {"Cut", QKeySequence::Cut},
    {"Copy", QKeySequence::Copy}, {"Paste", QKeySequence::Paste},     {"Select All", QKeySequence::SelectAll},
};

// A control that the edit commands act on, seen through its viewport too.
QWidget* TextControlOf(QWidget* widget) {
    for (QWidget* candidate = widget; candidate; candidate = candidate->parentWidget()) {
        if (qobject_cast<QLineEdit*>(candidate) || qobject_cast<QPlainTextEdit*>(candidate) ||
            qobject_cast<QTextEdit*>(candidate))
            return candidate;
        if (candidate != widget)
            break; // only the viewport's own text control counts
    }
    return nullptr;
}

bool ClipboardHasText() {
    return !QApplication::clipboard()->text().isEmpty();
}

template <typename TMultiLine> void SetMultiLineStates(TMultiLine* edit, QAction* const* actions) {
    const bool bSelection = edit->textCursor().hasSelection();
    actions[TEditCommands::ecSelectAll]->setEnabled(true);
    actions[TEditCommands::ecCut]->setEnabled(bSelection);
    actions[TEditCommands::ecCopy]->setEnabled(bSelection);
    actions[TEditCommands::ecPaste]->setEnabled(ClipboardHasText());
    actions[TEditCommands::ecUndo]->setEnabled(edit->document()->isUndoAvailable());
    actions[TEditCommands::ecRedo]->setEnabled(edit->document()->isRedoAvailable());
}

template <typename TEdit> void RunCommand(TEdit* edit, TEditCommands::CEditCommand command) {
    switch (command) {
    case TEditCommands::ecUndo:
        edit->undo();
        break;
    case TEditCommands::ecRedo:
        edit->redo();
        break;
    case TEditCommands::ecCut:
        edit->cut();
        break;
    case TEditCommands::ecCopy:
        edit->copy();
        break;
    case TEditCommands::ecPaste:
        edit->paste();
        break;
    case TEditCommands::ecSelectAll:
        edit->selectAll();
        break;
    case TEditCommands::ecCount:
        break;
    }
}

} // namespace

TEditCommands::TEditCommands(QObject* parent) : QObject(parent) {
    for (int i = 0; i < ecCount; ++i) {
        Actions[i] = new QAction(QString::fromLatin1(CommandInfo[i].sCaption), this);
        if (CommandInfo[i].Key != QKeySequence::UnknownKey)
            Actions[i]->setShortcut(CommandInfo[i].Key);
        connect(Actions[i], &QAction::triggered, this,
                [this, i] { Execute(CEditCommand(i), ContextTarget ? ContextTarget : QApplication::focusWidget()); });
    }
}

void TEditCommands::UpdateStates(QWidget* control) {
    for (QAction* action : Actions)
        action->setEnabled(false);
    QWidget* target = TextControlOf(control);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        Actions[ecSelectAll]->setEnabled(true);
        Actions[ecCut]->setEnabled(line->hasSelectedText());
        Actions[ecCopy]->setEnabled(line->hasSelectedText());
        Actions[ecPaste]->setEnabled(ClipboardHasText());
        Actions[ecUndo]->setEnabled(line->isUndoAvailable());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        SetMultiLineStates(plain, Actions);
    } else if (auto* rich = qobject_cast<QTextEdit*>(target)) {
        SetMultiLineStates(rich, Actions);
    }
}

void TEditCommands::Execute(CEditCommand command, QWidget* control) {
    QWidget* target = TextControlOf(control);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        if (command != ecRedo) // a single-line field has only its single-level undo
            RunCommand(line, command);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        RunCommand(plain, command);
    } else if (auto* rich = qobject_cast<QTextEdit*>(target)) {
        RunCommand(rich, command);
    }
}

void TEditCommands::InstallContextMenus() {
    ContextMenu = new QMenu;
    ContextMenu->setObjectName(QStringLiteral("EditContextMenu"));
    for (QAction* action : Actions)
        ContextMenu->addAction(action);
    connect(this, &QObject::destroyed, ContextMenu, [menu = ContextMenu] { delete menu; });
    qApp->installEventFilter(this);
}

bool TEditCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType())
        return false;
    QWidget* target = TextControlOf(static_cast<QWidget*>(watched));
    if (!target)
        return false;
    target->setFocus(Qt::MouseFocusReason);
    UpdateStates(target);
    ContextTarget = target;
    ContextMenu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    ContextTarget = nullptr;
    return true;
}

void TEditCommands::ClearClipboardMark() {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard->text() == QStringLiteral("Clipboard"))
        clipboard->clear();
}
