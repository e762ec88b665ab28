#include "MainFormTestSupport.h"

#include "LoopWait.h"
#include "PasswordScrambler.h"
#include "TEditCommands.h"
#include "THelpForm.h"
#include "TLog.h"
#include "TOptionsForm.h"
#include "TTipsForm.h"
#include "TZEPProject.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// Calls its handler when a popup menu shows, while the menu runs its own loop.
class TShowWatcher : public QObject {
public:
    explicit TShowWatcher(std::function<void(QWidget*)> shown) : Shown(std::move(shown)) {
        qApp->installEventFilter(this);
    }
    ~TShowWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMenu*>(watched))
            QMetaObject::invokeMethod(
                this, [this, menu = static_cast<QWidget*>(watched)] { Shown(menu); }, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QWidget*)> Shown;
};

class MainFormTest : public ::testing::Test {
protected:
    void Start(const QStringList& arguments = {}) {
        Form = Env.CreateMainForm(arguments);
        ASSERT_TRUE(Form);
    }
    // Shows the window and waits until the splash has let the start-up go on.
    void ShowAndWait() {
        QSignalSpy done(Form.get(), &TMainForm::FirstDisplayCompleted);
        Form->show();
        ASSERT_TRUE(done.wait(5000));
        QApplication::processEvents();
    }
    QString TemplatePath() const { return Env.TemplateFolder() + QStringLiteral("Default.zrj"); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(MainFormTest, StartUpAndShutDownLogTheirStepsInOrder) {
    Start();
    ShowAndWait();
    Form->close();
    const QString sHandleLine =
        QStringLiteral("Browser window handle = ") + QString::number(Form->BrowserWindowHandle());
    Form.reset();
    const QStringList lines = Env.LogLines();
    const QStringList expected = {
        QStringLiteral("App (V4.0.2) has not run before"),
        QStringLiteral("Directory <") + Env.TemplateFolder() + QStringLiteral("> copied"),
        QStringLiteral("V:004000002080"),
        QStringLiteral("ParamCount = 0, ParamStr(1) = "),
        QStringLiteral("Project <") + TemplatePath() + QStringLiteral("> loaded successfully"),
        QStringLiteral("Status [Loaded Project <") + TemplatePath() + QStringLiteral(">]"),
        QStringLiteral("Auto Create complete"),
        QStringLiteral("Creating Splash Form..."),
        QStringLiteral("Showing Splash Form..."),
        QStringLiteral("Checking for Plug Ins"),
        QStringLiteral("Set Up completed"),
        QStringLiteral("Introduction completed"),
        QStringLiteral("Initialising Menu..."),
        sHandleLine,
    };
    qsizetype iAt = 0;
    for (const QString& sLine : expected) {
        const qsizetype iFound = lines.indexOf(sLine, iAt);
        ASSERT_GE(iFound, iAt) << "missing or out of order: " << sLine.toStdString();
        iAt = iFound + 1;
    }
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("Session ended : ")));
    EXPECT_EQ(lines.last(), QStringLiteral("Form destroyed"));
}

TEST_F(MainFormTest, TheStartUpTemplateGivesTheTitleAndStatus) {
    Start();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - Default"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Loaded Project <") + TemplatePath() + QStringLiteral(">"));
    EXPECT_EQ(Form->CurrentProject().bTemplate, 1);
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_FALSE(Form->IsUpdating());
    EXPECT_EQ(Form->width(), 860);
    EXPECT_EQ(Form->height(), 640);
}

TEST_F(MainFormTest, OnAnEmptyStoreTheWindowOpensAtItsDesignedSizeAndMayBeMadeSmaller) {
    Start();
    ShowAndWait();
    EXPECT_EQ(Form->size(), QSize(860, 640));
    const QSize minimum = Form->minimumSizeHint().expandedTo(Form->minimumSize());
    EXPECT_LE(minimum.width(), 860);
    EXPECT_LE(minimum.height(), 640);
}

TEST_F(MainFormTest, WithoutAnyTemplateNoProjectIsLoaded) {
    QDir(Env.Path(QStringLiteral("install"))).removeRecursively();
    Start();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - NO PROJECT LOADED"));
    EXPECT_TRUE(Form->CurrentProject().sFullProjectName.isEmpty());
}

TEST_F(MainFormTest, OneZrjParameterOpensThatProject) {
    const QString sProject = Env.Path(QStringLiteral("promo.ZRJ"));
    TTestEnvironment::WriteProject(sProject, false);
    Start({sProject});
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - promo"));
    EXPECT_EQ(Form->CurrentProject().bTemplate, 0);
    EXPECT_TRUE(Env.LogLines().contains(QStringLiteral("ParamCount = 1, ParamStr(1) = ") + sProject));
}

TEST_F(MainFormTest, TwoParametersOrAnotherExtensionLoadTheStartUpTemplate) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    TTestEnvironment::WriteProject(sProject, false);
    Start({sProject, sProject});
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, TemplatePath());
    Form.reset();
    Start({Env.Path(QStringLiteral("promo.txt"))});
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, TemplatePath());
}

TEST_F(MainFormTest, SettingsAreReadAtStartAndWrittenAtClose) {
    Env.SetStoreValue(QStringLiteral("Width"), 1000);
    Env.SetStoreValue(QStringLiteral("DeleteLog"), 0);
    Env.SetStoreValue(QStringLiteral("UpdateFrequency"), 3);
    Env.SetStoreValue(QStringLiteral("Password"), EncodePassword(QStringLiteral("abc")));
    Start();
    EXPECT_EQ(Form->width(), 1000);
    EXPECT_EQ(Form->OptionsForm().ApplicationOptions().iUpdateFrequency, 3);
    EXPECT_EQ(Form->AppSettings().iSplashDelay, 10);
    EXPECT_EQ(Form->OptionsForm().ApplicationOptions().sBaseLocation, Env.Path(QStringLiteral("docs/Brisola/User/")));
    Env.Services.ExpectDialog(QStringLiteral("OptionsForm"), [this](QDialog& dialog) {
        TOptionsControls(*Form).AutoSaveBox->setChecked(false);
        dialog.accept();
    });
    Form->ToolsBtnClick();
    Form->close();
    QSettings store(Env.StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value("AutoSave").toString(), QStringLiteral("0"));
    EXPECT_EQ(store.value("CurrentProject").toString(), TemplatePath());
    EXPECT_EQ(Form->AppSettings().sPassword, QStringLiteral("abc"));
    EXPECT_EQ(store.value("Password").toString(), EncodePassword(QStringLiteral("abc")));
    EXPECT_EQ(store.value("PreviousProject0").toString(), QString()) << "templates are not recent projects";
}

TEST_F(MainFormTest, CloseWithoutChangesAsksNothing) {
    Start();
    EXPECT_TRUE(Form->close());
}

TEST_F(MainFormTest, LogFileIsDeletedAtExitWhenTheOptionIsOn) {
    Env.SetStoreValue(QStringLiteral("DeleteLog"), 1);
    Start();
    ASSERT_FALSE(QDir(Env.LogFolder()).entryList(QDir::Files).isEmpty());
    Form->close();
    Form.reset();
    EXPECT_TRUE(QDir(Env.LogFolder()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainFormTest, AClipboardHoldingExactlyClipboardIsEmptiedAtStartUp) {
    QApplication::clipboard()->setText(QStringLiteral("Clipboard"));
    Start();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    Form.reset();
    QApplication::clipboard()->setText(QStringLiteral("Clipboard text"));
    Start();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Clipboard text"));
}

TEST_F(MainFormTest, EditMenuFollowsTheFocusedControl) {
    Start();
    ShowAndWait();
    // A text field and a check box of the instance editor.
    auto* field = Form->findChild<QLineEdit*>(QStringLiteral("TitleEdit"));
    auto* box = Form->findChild<QCheckBox*>(QStringLiteral("CanMoveBox"));
    ASSERT_TRUE(field && box);
    field->setText(QStringLiteral("Unique text"));
    QApplication::clipboard()->setText(QStringLiteral("to paste"));
    QMenu* edit = Form->Actions().EditMenu;
    auto enabled = [&](TEditCommands::CEditCommand command) {
        return Form->EditCommands().Action(command)->isEnabled();
    };

    field->setFocus();
    field->setSelection(0, 6);
    ASSERT_EQ(QApplication::focusWidget(), field);
    emit edit->aboutToShow();
    EXPECT_TRUE(enabled(TEditCommands::ecCut));
    EXPECT_TRUE(enabled(TEditCommands::ecCopy));
    EXPECT_TRUE(enabled(TEditCommands::ecPaste));
    EXPECT_TRUE(enabled(TEditCommands::ecSelectAll));
    EXPECT_TRUE(enabled(TEditCommands::ecUndo)) << "Undo follows the history: the title was changed";
    EXPECT_FALSE(enabled(TEditCommands::ecRedo)) << "nothing undone yet";
    Form->EditCommands().Action(TEditCommands::ecCut)->trigger();
    EXPECT_EQ(field->text(), QStringLiteral(" text"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Unique"));
    emit edit->aboutToShow();
    EXPECT_FALSE(enabled(TEditCommands::ecCut)) << "no selection left";

    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);
    emit edit->aboutToShow();
    for (int i = TEditCommands::ecCut; i < TEditCommands::ecCount; ++i)
        EXPECT_FALSE(enabled(TEditCommands::CEditCommand(i))) << i;
    EXPECT_TRUE(enabled(TEditCommands::ecUndo)) << "the history does not depend on the focus";
}

TEST_F(MainFormTest, ToolBarEditButtonsActOnTheFocusedFieldWhateverTheEditMenuLastShowed) {
    Start();
    ShowAndWait();
    auto* field = Form->findChild<QLineEdit*>(QStringLiteral("TitleEdit"));
    auto* box = Form->findChild<QCheckBox*>(QStringLiteral("CanMoveBox"));
    ASSERT_TRUE(field && box);
    box->setFocus();
    emit Form->Actions().EditMenu->aboutToShow(); // every entry disabled for a check box
    auto button = [this](const QString& sToolTip) {
        for (QAction* action : Form->findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions()) {
            if (action->toolTip() == sToolTip)
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    field->setText(QStringLiteral("Unique text"));
    field->setFocus();
    field->setSelection(0, 6);
    QApplication::clipboard()->clear();
    button(QStringLiteral("Copy content"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Unique"));
    button(QStringLiteral("Cut content"))->trigger();
    EXPECT_EQ(field->text(), QStringLiteral(" text"));
    button(QStringLiteral("Undo previous edit"))->trigger();
    EXPECT_EQ(field->text(), QStringLiteral("Unique text"));
}

TEST_F(MainFormTest, MultiLineControlsTakeTheClipboardCommands) {
    Start();
    QPlainTextEdit editor;
    editor.show();
    QApplication::setActiveWindow(&editor);
    editor.setFocus();
    QTest::keyClicks(&editor, QStringLiteral("abc"));
    Form->EditCommands().UpdateStates(&editor);
    EXPECT_TRUE(Form->EditCommands().Action(TEditCommands::ecSelectAll)->isEnabled());
    Form->EditCommands().Execute(TEditCommands::ecSelectAll, &editor);
    EXPECT_TRUE(editor.textCursor().hasSelection());
    Form->EditCommands().Execute(TEditCommands::ecCut, &editor);
    EXPECT_TRUE(editor.toPlainText().isEmpty());
}

TEST_F(MainFormTest, StatusShowsAndLogsTheText) {
    Start();
    Form->Status(QStringLiteral("Compiling"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Compiling"));
    EXPECT_EQ(Env.LogLines().last(), QStringLiteral("Status [Compiling]"));
}

TEST_F(MainFormTest, TipsAtStartUpOnlyWhenTheOptionIsOn) {
    Start();
    ShowAndWait(); // the idle handler has run by then
    EXPECT_FALSE(Form->TipsForm()->isVisible());
    EXPECT_FALSE(Form->IsRunning());
    Form->close();
    Form.reset();

    Env.SetStoreValue(QStringLiteral("ShowTips"), 1);
    Start();
    ShowAndWait();
    EXPECT_TRUE(WaitUntil([&] { return Form->TipsForm()->isVisible(); }, 2000));
    EXPECT_FALSE(Form->TipsForm()->isModal());
    EXPECT_TRUE(Form->IsRunning());
}

TEST_F(MainFormTest, HelpCommandsOpenContentsIndexAndFrames) {
    Start();
    Form->Actions().ContentsMenu->trigger();
    EXPECT_EQ(Form->HelpForm()->CurrentPage(), QStringLiteral("contents.html"));
    Form->Actions().SearchHelpMenu->trigger();
    EXPECT_EQ(Form->HelpForm()->CurrentPage(), QStringLiteral("index.html"));
    Form->Actions().HowDoIMenu->trigger();
    EXPECT_EQ(Form->HelpForm()->CurrentPage(), QStringLiteral("frames.html"));
    Form->Actions().HelpBtn->trigger();
    EXPECT_EQ(Form->HelpForm()->CurrentPage(), QStringLiteral("contents.html"));
}

TEST_F(MainFormTest, TheMakersPagesOpenInTheDefaultBrowserFromTheProjectFolder) {
    Start();
    Form->Actions().VisitWebMenu->trigger();
    Form->Actions().SupportMenu->trigger();
    EXPECT_EQ(Env.Services.Opened,
              QStringList({QStringLiteral("https://www.wendmark.example/ | ") + Env.TemplateFolder(),
                           QStringLiteral("https://www.wendmark.example/support/ | ") + Env.TemplateFolder()}));
}

TEST_F(MainFormTest, EveryMenuEntryAndToolTipIsThere) {
    Start();
    QStringList captions;
    for (QAction* action : Form->findChildren<QAction*>())
        captions.append(action->text());
    for (const char* sCaption : {"New Project",
                                 "Open Project",
                                 "Save",
                                 "Save As ...",
                                 "Save Template",
                                 "Exit",
                                 "Undo",
                                 "Redo",
                                 "Cut",
                                 "Copy",
                                 "Paste",
                                 "Select All",
                                 "Compile DHTML Popup",
                                 "View in default browser",
                                 "Load external HTML file",
                                 "Add files to Project",
                                 "Options ...",
                                 "Refresh",
                                 "Contents",
                                 "Search for help on ...",
                                 "How do I ...",
                                 "Tips",
                                 "Visit Wendmark on the Web",
                                 "Support",
                                 "About"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(sCaption))) << sCaption;
    QStringList tips;
    for (QAction* action : Form->findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions())
        tips.append(action->toolTip());
    const QStringList expected = {"Open a template project",
                                  "Save project",
                                  "Cut content",
                                  "Copy content",
                                  "Paste content",
                                  "Undo previous edit",
                                  "Redo a previous undo",
                                  "Open tools dialog",
                                  "Add files to the project",
                                  "Multiple simultaneous instances",
                                  "Multiple sequential instances",
                                  "Refresh preview",
                                  "Compile project",
                                  "View compiled project in browser",
                                  "Upload files via FTP"};
    for (const QString& sTip : expected)
        EXPECT_TRUE(tips.contains(sTip)) << sTip.toStdString();
    EXPECT_EQ(Form->Actions().RefreshMenu->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(Form->Actions().CompileMenu->shortcut(), QKeySequence(QStringLiteral("Ctrl+F8")));
    EXPECT_TRUE(Form->Actions().SaveTemplateMenu->isVisible()) << "the start-up project is a single-popup template";
}

// The names a screen reader gives the children of a control, separators left out.
QStringList AccessibleNames(QObject* control) {
    QStringList names;
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(control);
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->role() != QAccessible::Separator)
            names << parent->child(i)->text(QAccessible::Name);
    }
    return names;
}

TEST_F(MainFormTest, ToolButtonsShowPicturesAndMenusAndButtonsAreNamedForAScreenReaderInTheirOrder) {
    Start();
    auto* menuBar = Form->findChild<QMenuBar*>();
    ASSERT_EQ(AccessibleNames(menuBar), QStringList({"File", "Edit", "Tools", "Help"}));
    const QStringList entries[] = {
        {"New Project", "Open Project", "Reopen...", "Save", "Save As ...", "Save Template", "Exit"},
        {"Undo", "Redo", "Cut", "Copy", "Paste", "Select All", "History"},
        {"Compile DHTML Popup", "View in default browser", "Load external HTML file", "Add files to Project",
         "Options ..."},
        {"Contents", "Search for help on ...", "How do I ...", "Tips", "Visit Wendmark on the Web", "Support", "About"},
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(AccessibleNames(menuBar->actions()[i]->menu()), entries[i]) << i;

    QStringList buttons;
    auto* bar = Form->findChild<QToolBar*>(QStringLiteral("ToolBar"));
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            continue;
        QWidget* button = bar->widgetForAction(action);
        buttons << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        EXPECT_FALSE(button->property("icon").value<QIcon>().isNull()) << button->toolTip().toStdString();
    }
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(buttons, QStringList({"Open a template project", "Open project", "Save project", "Cut content",
                                    "Copy content", "Paste content", "Undo previous edit", "Redo a previous undo",
                                    "Open tools dialog", "Add files to the project", "Multiple simultaneous instances",
                                    "Multiple sequential instances", "Refresh preview", "Compile project",
                                    "View compiled project in browser", "Upload files via FTP", "Help"}));
}

TEST_F(MainFormTest, ARecentProjectIsCaptionedWithItsPathAsItIs) {
    const QString sProject = Env.Path(QStringLiteral("Tom & Ann/promo.zrj"));
    QDir().mkpath(Env.Path(QStringLiteral("Tom & Ann")));
    TTestEnvironment::WriteProject(sProject, false);
    Env.SetStoreValue(QStringLiteral("PreviousProject0"), sProject);
    Start();
    EXPECT_EQ(AccessibleNames(Form->Actions().ReopenMenu), QStringList({sProject}));
}

TEST_F(MainFormTest, ContextHelpShowsHintAndTheTemplateStoresHelpText) {
    Start();
    const QString sHelp = QStringLiteral("The name of the popup in the scripts. Use letters, digits and the underscore "
                                         "only, start with a letter, and give every popup of a page its own name.");
    Form->HintChanged(QStringLiteral("  unique identifier "));
    EXPECT_EQ(Form->ContextHelpText(), sHelp);
    EXPECT_EQ(Form->findChild<QGroupBox*>(QStringLiteral("ContextHelpPanel"))->title(),
              QStringLiteral("unique identifier:"));
    Form->HintChanged(QStringLiteral("Open project"));
    Form->HintChanged(QStringLiteral("  "));
    EXPECT_EQ(Form->ContextHelpText(), sHelp) << "a hint without help leaves the panel";
}

} // namespace

namespace {

TEST_F(MainFormTest, EachInstanceOfTheLoadedProjectHasATab) {
    Start({QStringLiteral(BRISOLA_TEST_DATA_DIR "/model_sample/sample.zrj")});
    auto* tabs = Form->findChild<QTabBar*>(QStringLiteral("InstanceTabs"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("welcome"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("offer"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    Form->show();
    EXPECT_GT(tabs->height(), 10) << "the tabs are seen";
    EXPECT_EQ(Form->CurrentProject().bDynamicContent, 1);
    EXPECT_TRUE(Form->OptionsForm().ProjectOptions().bDynamicContent);
}

} // namespace

namespace {

TEST_F(MainFormTest, TextFieldsOfferTheEditContextMenu) {
    Start();
    QApplication::clipboard()->setText(QStringLiteral("to paste"));
    QLineEdit field(QStringLiteral("some text"));
    field.show();
    QStringList captions;
    // The menu's entries are read, and the menu closed, as soon as it shows.
    TShowWatcher watcher([&](QWidget* popup) {
        for (QAction* action : popup->actions())
            captions.append(action->text() + (action->isEnabled() ? QStringLiteral("+") : QStringLiteral("-")));
        popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &event);
    EXPECT_EQ(captions, QStringList({"Undo-", "Redo-", "Cut-", "Copy-", "Paste+", "Select All+"}));
}

} // namespace

namespace {

TEST_F(MainFormTest, PointerOverThePreviewShowsItsPosition) {
    Start();
    ShowAndWait();
    auto* preview = Form->findChild<QWidget*>(QStringLiteral("PreviewPanel"));
    ASSERT_TRUE(preview);
    const auto moveOver = [](QWidget* widget, const QPoint& position) {
        QMouseEvent event(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    moveOver(preview, QPoint(12, 34));
    EXPECT_EQ(Form->PointerText(), QStringLiteral("12, 34"));
    moveOver(Form->findChild<QTabBar*>(QStringLiteral("InstanceTabs")), QPoint(3, 3));
    EXPECT_TRUE(Form->PointerText().isEmpty());
}

} // namespace
