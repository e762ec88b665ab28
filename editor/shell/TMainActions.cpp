#include "TMainActions.h"

#include "TEditCommands.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction* AddEntry(QMenu* menu, const char* sName, const char* sCaption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(sCaption));
    action->setObjectName(QString::fromUtf8(sName));
    action->setShortcut(shortcut);
    return action;
}

QAction* AddButton(QToolBar* bar, const char* sName, const char* sToolTip, const QIcon& icon, const char* sText) {
    QAction* action = bar->addAction(icon, QString::fromUtf8(sText));
    action->setObjectName(QString::fromUtf8(sName));
    action->setToolTip(QString::fromUtf8(sToolTip));
    return action;
}

// A button that stands for a menu entry: same command, its own tool tip.
void AddCopy(QToolBar* bar, QAction* entry, const char* sToolTip, const QIcon& icon) {
    auto* button = new QAction(icon, entry->text(), bar);
    button->setToolTip(QString::fromUtf8(sToolTip));
    button->setEnabled(entry->isEnabled());
    QObject::connect(button, &QAction::triggered, entry, &QAction::trigger);
    QObject::connect(entry, &QAction::enabledChanged, button, &QAction::setEnabled);
    bar->addAction(button);
}

} // namespace

void TMainActions::Build(QMainWindow& window, TEditCommands& editCommands) {
    BuildFileMenu(window);
    EditMenu = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    for (int i = 0; i < TEditCommands::ecCount; ++i)
        EditMenu->addAction(editCommands.Action(TEditCommands::CEditCommand(i)));
    EditMenu->addSeparator();
    HistoryMenu = AddEntry(EditMenu, "HistoryMenu", "History");
    BuildToolsMenu(window);
    BuildHelpMenu(window);
    BuildToolBar(window, editCommands);
    // Commands whose work is not built yet stay disabled (their tool buttons
    // follow), so that none does nothing when chosen; whoever connects one
    // enables it.
    for (QAction* unbuilt : {MultipleInstancesBtn, SequentialInstancesBtn})
        unbuilt->setEnabled(false);
}

void TMainActions::RebuildReopenMenus(const QStringList& entries,
                                      const std::function<void(const QString&)>& reopen) const {
    ReopenMenu->clear();
    PreviousProjectPopUp->clear();
    for (const QString& sEntry : entries) {
        // A path is shown as it is: an '&' in it is no mnemonic.
        const QString sCaption = QString(sEntry).replace(u'&', QStringLiteral("&&"));
        for (QMenu* menu : {ReopenMenu, PreviousProjectPopUp})
            QObject::connect(menu->addAction(sCaption), &QAction::triggered, menu,
                             [reopen, sEntry] { reopen(sEntry); });
    }
}

void TMainActions::BuildFileMenu(QMainWindow& window) {
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&File"));
    NewProjectMenu = AddEntry(menu, "NewProjectMenu", "New Project", QKeySequence(QStringLiteral("Ctrl+N")));
    OpenProjectMenu = AddEntry(menu, "OpenProjectMenu", "Open Project", QKeySequence(QStringLiteral("Ctrl+O")));
    ReopenMenu = menu->addMenu(QStringLiteral("Reopen..."));
    ReopenMenu->setObjectName(QStringLiteral("ReopenMenu"));
    menu->addSeparator();
    SaveProjectMenu = AddEntry(menu, "SaveProjectMenu", "Save", QKeySequence(QStringLiteral("Ctrl+S")));
    SaveProjectAsMenu = AddEntry(menu, "SaveProjectAsMenu", "Save As ...");
    SaveTemplateMenu = AddEntry(menu, "SaveTemplateMenu", "Save Template");
    SaveTemplateMenu->setVisible(false);
    // The instance editor's rules show the entry for a single-popup template.
    menu->addSeparator();
    ExitMenu = AddEntry(menu, "ExitMenu", "Exit");
    QObject::connect(ExitMenu, &QAction::triggered, &window, &QWidget::close);
}

void TMainActions::BuildToolsMenu(QMainWindow& window) {
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Tools"));
    CompileMenu = AddEntry(menu, "CompileMenu", "Compile DHTML Popup", QKeySequence(QStringLiteral("Ctrl+F8")));
    ViewInBrowserMenu =
        AddEntry(menu, "ViewInBrowserMenu", "View in default browser", QKeySequence(QStringLiteral("Ctrl+F9")));
    menu->addSeparator();
    LoadExternalHTMLMenu = AddEntry(menu, "LoadExternalHTMLMenu", "Load external HTML file");
    AddFilesMenu = AddEntry(menu, "AddFilesMenu", "Add files to Project");
    menu->addSeparator();
    OptionsMenu = AddEntry(menu, "OptionsMenu", "Options ...");
    // Reachable by its key only: a hidden entry's shortcut still works when
    // the action belongs to the window.
    RefreshMenu = new QAction(QStringLiteral("Refresh"), &window);
    RefreshMenu->setObjectName(QStringLiteral("RefreshMenu"));
    RefreshMenu->setShortcut(QKeySequence(Qt::Key_F12));
    window.addAction(RefreshMenu);
}

void TMainActions::BuildHelpMenu(QMainWindow& window) {
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
    ContentsMenu = AddEntry(menu, "ContentsMenu", "Contents");
    SearchHelpMenu = AddEntry(menu, "SearchHelpMenu", "Search for help on ...");
    HowDoIMenu = AddEntry(menu, "HowDoIMenu", "How do I ...");
    TipsMenu = AddEntry(menu, "TipsMenu", "Tips");
    menu->addSeparator();
    VisitWebMenu = AddEntry(menu, "VisitWebMenu", "Visit Wendmark on the Web");
    SupportMenu = AddEntry(menu, "SupportMenu", "Support");
    menu->addSeparator();
    AboutMenu = AddEntry(menu, "AboutMenu", "About");
}

void TMainActions::BuildToolBar(QMainWindow& window, TEditCommands& editCommands) {
    QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The desktop theme's picture where the theme has one, the style's otherwise.
    const QStyle* style = window.style();
    auto icon = [style](const char* sThemeIcon, QStyle::StandardPixmap pixmap) {
        return QIcon::fromTheme(QString::fromLatin1(sThemeIcon), style->standardIcon(pixmap));
    };

    AddCopy(bar, NewProjectMenu, "Open a template project", icon("document-new", QStyle::SP_FileDialogNewFolder));
    OpenProjectBtn = new QToolButton(bar);
    OpenProjectBtn->setObjectName(QStringLiteral("OpenProjectBtn"));
    OpenProjectBtn->setIcon(icon("document-open", QStyle::SP_DialogOpenButton));
    OpenProjectBtn->setToolTip(QStringLiteral("Open project"));
    OpenProjectBtn->setPopupMode(QToolButton::MenuButtonPopup);
    PreviousProjectPopUp = new QMenu(OpenProjectBtn);
    PreviousProjectPopUp->setObjectName(QStringLiteral("PreviousProjectPopUp"));
    OpenProjectBtn->setMenu(PreviousProjectPopUp);
    QObject::connect(OpenProjectBtn, &QToolButton::clicked, OpenProjectMenu, &QAction::trigger);
    OpenProjectBtn->setEnabled(OpenProjectMenu->isEnabled());
    QObject::connect(OpenProjectMenu, &QAction::enabledChanged, OpenProjectBtn, &QToolButton::setEnabled);
    bar->addWidget(OpenProjectBtn);
    AddCopy(bar, SaveProjectMenu, "Save project", icon("document-save", QStyle::SP_DialogSaveButton));
    bar->addSeparator();

    struct TEditButton {
        TEditCommands::CEditCommand Command;
        const char* sToolTip;
        const char* sThemeIcon;
    };
    const TEditButton editButtons[] = {
        {TEditCommands::ecCut, "Cut content", "edit-cut"},
        {TEditCommands::ecCopy, "Copy content", "edit-copy"},
        {TEditCommands::ecPaste, "Paste content", "edit-paste"},
        {TEditCommands::ecUndo, "Undo previous edit", "edit-undo"},
        {TEditCommands::ecRedo, "Redo a previous undo", "edit-redo"},
    };
    for (const TEditButton& button : editButtons) {
        QAction* command = editCommands.Action(button.Command);
        // The style has no pictures for these: our own stand in for the theme's.
        const QString sThemeIcon = QString::fromLatin1(button.sThemeIcon);
        const QIcon own(QStringLiteral(":/editor/pictures/%1.svg").arg(sThemeIcon));
        auto* copy = bar->addAction(QIcon::fromTheme(sThemeIcon, own), command->text());
        copy->setToolTip(QString::fromUtf8(button.sToolTip));
        // The button acts on the focused control whatever the menu entries
        // were last set to when the "Edit" menu or a context menu opened.
        QObject::connect(copy, &QAction::triggered, &editCommands, [&editCommands, button] {
            editCommands.Execute(button.Command, QApplication::focusWidget());
        });
        if (button.Command == TEditCommands::ecPaste)
            bar->addSeparator();
    }
    bar->addSeparator();

    AddCopy(bar, OptionsMenu, "Open tools dialog", icon("preferences-system", QStyle::SP_FileDialogDetailedView));
    AddCopy(bar, AddFilesMenu, "Add files to the project", icon("list-add", QStyle::SP_FileIcon));
    MultipleInstancesBtn = AddButton(bar, "MultipleInstancesBtn", "Multiple simultaneous instances",
                                     icon("window-new", QStyle::SP_FileDialogListView), "Multiple");
    SequentialInstancesBtn = AddButton(bar, "SequentialInstancesBtn", "Multiple sequential instances",
                                       icon("go-next", QStyle::SP_ArrowRight), "Sequential");
    bar->addSeparator();
    AddCopy(bar, RefreshMenu, "Refresh preview", icon("view-refresh", QStyle::SP_BrowserReload));
    AddCopy(bar, CompileMenu, "Compile project", icon("system-run", QStyle::SP_MediaPlay));
    AddCopy(bar, ViewInBrowserMenu, "View compiled project in browser", icon("web-browser", QStyle::SP_DesktopIcon));
    UploadBtn = AddButton(bar, "UploadBtn", "Upload files via FTP", icon("go-up", QStyle::SP_ArrowUp), "Upload");
    bar->addSeparator();
    HelpBtn = AddButton(bar, "HelpBtn", "Help", icon("help-contents", QStyle::SP_DialogHelpButton), "Help");

    // The buttons show pictures only: a screen reader names each by its tool tip.
    for (QAction* action : bar->actions()) {
        if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator()) {
            button->setAccessibleName(button->toolTip());
            button->setToolTipDuration(3000);
        }
    }
}
