#pragma once

#include <QObject>

#include <functional>

class QAction;
#include <QStringList>
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class TEditCommands;

// The main window's menu entries and tool bar buttons, with their captions,
// shortcuts and tool tips. The project, compile, file-list, multi-popup and
// upload commands are connected by the parts that carry them out.
struct TMainActions {
    // File
    QAction* NewProjectMenu = nullptr;
    QAction* OpenProjectMenu = nullptr;
    QMenu* ReopenMenu = nullptr;
    QAction* SaveProjectMenu = nullptr;
    QAction* SaveProjectAsMenu = nullptr;
    QAction* SaveTemplateMenu = nullptr;
    QAction* ExitMenu = nullptr;
    // Edit
    QMenu* EditMenu = nullptr;
    QAction* HistoryMenu = nullptr;
    // Tools
    QAction* CompileMenu = nullptr;
    QAction* ViewInBrowserMenu = nullptr;
    QAction* LoadExternalHTMLMenu = nullptr;
    QAction* AddFilesMenu = nullptr;
    QAction* OptionsMenu = nullptr;
    QAction* RefreshMenu = nullptr;
    // Help
    QAction* ContentsMenu = nullptr;
    QAction* SearchHelpMenu = nullptr;
    QAction* HowDoIMenu = nullptr;
    QAction* TipsMenu = nullptr;
    QAction* VisitWebMenu = nullptr;
    QAction* SupportMenu = nullptr;
    QAction* AboutMenu = nullptr;
    // Tool bar buttons that have no menu entry of their own
    QToolButton* OpenProjectBtn = nullptr;
    QMenu* PreviousProjectPopUp = nullptr;
    QAction* MultipleInstancesBtn = nullptr;
    QAction* SequentialInstancesBtn = nullptr;
    QAction* UploadBtn = nullptr;
    QAction* HelpBtn = nullptr;

    // Builds the menu bar and the tool bar of the window.
    void Build(QMainWindow& window, TEditCommands& editCommands);
    // Both reopen menus ("Reopen..." and the Open button's drop-down) list the
    // entries; choosing one runs reopen with its text.
    void RebuildReopenMenus(const QStringList& entries, const std::function<void(const QString&)>& reopen) const;

private:
    void BuildFileMenu(QMainWindow& window);
    void BuildToolsMenu(QMainWindow& window);
    void BuildHelpMenu(QMainWindow& window);
    void BuildToolBar(QMainWindow& window, TEditCommands& editCommands);
};
