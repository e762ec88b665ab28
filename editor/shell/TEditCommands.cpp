#include "TEditCommands.h"

#include "TEditorDocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
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
}

// "Undo" or "Redo" followed by the name of the step it takes back or again.
QString StepCaption(const char* sCommand, const QString& sStep) {
    return sStep.isEmpty() ? QString::fromLatin1(sCommand) : QString::fromLatin1(sCommand) + u' ' + sStep;
}

template <typename TEdit> void RunCommand(TEdit* edit, TEditCommands::CEditCommand command) {
    switch (command) {
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
    default:
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
    Actions[ecRedo]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {Actions[ecUndo], Actions[ecRedo]})
        action->setEnabled(false);
}

void TEditCommands::SetDocument(TEditorDocument& document) {
    oDocument = &document;
    QUndoStack& history = document.History();
    connect(&history, &QUndoStack::canUndoChanged, Actions[ecUndo], &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, Actions[ecRedo], &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, Actions[ecUndo],
            [this](const QString& sStep) { Actions[ecUndo]->setText(StepCaption("Undo", sStep)); });
    connect(&history, &QUndoStack::redoTextChanged, Actions[ecRedo],
            [this](const QString& sStep) { Actions[ecRedo]->setText(StepCaption("Redo", sStep)); });
}

void TEditCommands::Step(CEditCommand command) {
    if (oDocument == nullptr)
        return;
    // A step taken back or again ends the typing, so the next keystroke
    // starts a step of its own.
    oDocument->EndTyping();
    if (command == ecUndo)
        oDocument->History().undo();
    else
        oDocument->History().redo();
}

void TEditCommands::UpdateStates(QWidget* control) {
    for (int i = ecCut; i < ecCount; ++i)
        Actions[i]->setEnabled(false);
    QWidget* target = TextControlOf(control);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        Actions[ecSelectAll]->setEnabled(true);
        Actions[ecCut]->setEnabled(line->hasSelectedText());
        Actions[ecCopy]->setEnabled(line->hasSelectedText());
        Actions[ecPaste]->setEnabled(ClipboardHasText());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        SetMultiLineStates(plain, Actions);
    } else if (auto* rich = qobject_cast<QTextEdit*>(target)) {
        SetMultiLineStates(rich, Actions);
    }
}

void TEditCommands::Execute(CEditCommand command, QWidget* control) {
    if (command == ecUndo || command == ecRedo) {
        Step(command);
        return;
    }
    QWidget* target = TextControlOf(control);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
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
    // A text field's own undo would take back keystrokes behind the history's
    // back: its undo and redo keys go to the history's commands instead.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == parent()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y)) {
            event->ignore();
            return true;
        }
        return false;
    }
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
