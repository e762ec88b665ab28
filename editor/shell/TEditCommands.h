#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The six edit commands (Undo, Redo, Cut, Copy, Paste, Select All) for the
// focused text control, shared by the "Edit" menu, the tool bar and the
// context menu that every text field of the editor offers.
class TEditCommands : public QObject {
    Q_OBJECT
public:
    enum CEditCommand { ecUndo, ecRedo, ecCut, ecCopy, ecPaste, ecSelectAll, ecCount };

    explicit TEditCommands(QObject* parent = nullptr);

    QAction* Action(CEditCommand command) const { return Actions[command]; }

    // Enables the entries for a control: all off unless it is a text field;
    // Select All for any text field, Cut and Copy with a selection, Paste with
    // text on the clipboard, Undo when it can undo, Redo only for a multi-line
    // control that can redo.
    void UpdateStates(QWidget* control);
    void Execute(CEditCommand command, QWidget* control);

    // Installs the context menu for every text field of the application.
    void InstallContextMenus();
    // Empties a clipboard that holds exactly the text "Clipboard".
    static void ClearClipboardMark();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* Actions[ecCount] = {};
    QMenu* ContextMenu = nullptr;
    QWidget* ContextTarget = nullptr;
};
