#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;
class TEditorDocument;

// The six edit commands shared by the "Edit" menu, the tool bar and the
// context menu that every text field of the editor offers: Undo and Redo walk
// the document's history (their captions name the step), Cut, Copy, Paste
// and Select All act on the focused text control.
class TEditCommands : public QObject {
    Q_OBJECT
public:
    enum CEditCommand { ecUndo, ecRedo, ecCut, ecCopy, ecPaste, ecSelectAll, ecCount };

    explicit TEditCommands(QObject* parent = nullptr);

    QAction* Action(CEditCommand command) const { return Actions[command]; }
    // The document whose history Undo and Redo walk.
    void SetDocument(TEditorDocument& document);

    // Enables the clipboard entries for a control: all off unless it is a
    // text field; Select All for any text field, Cut and Copy with a
    // selection, Paste with text on the clipboard. Undo and Redo follow the
    // history.
    void UpdateStates(QWidget* control);
    void Execute(CEditCommand command, QWidget* control);

    // Installs the context menu for every text field of the application.
    void InstallContextMenus();
    // Empties a clipboard that holds exactly the text "Clipboard".
    static void ClearClipboardMark();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(CEditCommand command);

    TEditorDocument* oDocument = nullptr;
    QAction* Actions[ecCount] = {};
    QMenu* ContextMenu = nullptr;
    QWidget* ContextTarget = nullptr;
};
