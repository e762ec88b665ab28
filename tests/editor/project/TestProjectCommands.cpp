#include "MainFormTestSupport.h"
#include "ProjectTestFiles.h"
#include "TAuxFilePage.h"
#include "TEditableFilePages.h"
#include "TFileListForm.h"
#include "TPanelDD.h"
#include "TProfileFile.h"
#include "TZEPInstance.h"
#include "TZEPProject.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

const QString sTemplateSaveCaption = QStringLiteral("Save project Template as project file...");

QString Value(const QString& sFile, const char* sSection, const char* sKey) {
    return TProfileFile(sFile).ReadString(QLatin1String(sSection), QLatin1String(sKey), QStringLiteral("<absent>"));
}

QStringList EntryTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

// The main window started on the start-up template or on a project; the
// templates folder holds a second template, Click, with an attached picture
// and an editable style sheet.
class ProjectCommandsTest : public ::testing::Test {
protected:
    void Start(const QStringList& arguments = {}) {
        WriteProjectFiles(Env.Path(QStringLiteral("install/Templates/Click.zrj")), true, {QStringLiteral("logo.gif")},
                          {QStringLiteral("styles.css")});
        Form = Env.CreateMainForm(arguments);
        ASSERT_TRUE(Form);
    }
    QString ClickTemplate() const { return Env.TemplateFolder() + QStringLiteral("Click.zrj"); }
    QString User(const QString& sName) const { return Env.Path(QStringLiteral("docs/Brisola/User/")) + sName; }
    // File > New Project, choosing the Click template.
    void NewFromClick() {
        Env.Services.ExpectFileDialog(QStringLiteral("New Project"), ClickTemplate());
        Form->Actions().NewProjectMenu->trigger();
        Env.Services.VerifyAllAsked();
    }
    void Edit() { Form->InterfaceChange(); }
    TAuxFilePage* Page(const QString& sName) { return Form->EditableFilePages().FindPage(sName); }
    bool Logged(const QString& sLine) const { return Env.LogLines().contains(sLine); }

    // The instance editor's "Reference" group.
    QGroupBox& Reference() const { return *FindByAccessibleName<QGroupBox>(*Form, QStringLiteral("Reference")); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(ProjectCommandsTest, ANewProjectFromATemplateStaysATemplateAndSaveTurnsIntoSaveAs) {
    Start();
    NewFromClick();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - Click"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Loaded Template Project <") + ClickTemplate() + u'>');
    EXPECT_EQ(Form->CurrentProject().bTemplate, 1);
    EXPECT_EQ(Form->AppSettings().sUserTemplatePath, Env.TemplateFolder());
    ASSERT_NE(Page(QStringLiteral("styles.css")), nullptr);
    EXPECT_EQ(Env.Services.FileRequests.front().sStartFolder, Env.TemplateFolder());

    Edit();
    Env.Services.ExpectFileDialog(sTemplateSaveCaption, QString());
    Form->Actions().SaveProjectMenu->trigger();
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - Click (unsaved)"));
}

TEST_F(ProjectCommandsTest, SaveAsOfATemplateTakesItsFilesAlongReloadsAndTheNextSaveAsksNothing) {
    Start();
    NewFromClick();
    Page(QStringLiteral("styles.css"))->FileMemo->setPlainText(QStringLiteral("body { margin: 0 }"));
    const QString sOffer = User(QStringLiteral("offer/offer.zrj"));
    Env.Services.ExpectFileDialog(sTemplateSaveCaption, sOffer);
    Form->Actions().SaveProjectMenu->trigger();

    EXPECT_EQ(Value(sOffer, "SYSTEM", "Template"), QStringLiteral("0"));
    EXPECT_EQ(ReadWholeFile(User(QStringLiteral("offer/logo.gif"))), QByteArray("logo.gif\r\n"));
    EXPECT_EQ(ReadWholeFile(User(QStringLiteral("offer/styles.css"))), QByteArray("body { margin: 0 }\r\n"));
    EXPECT_EQ(ReadWholeFile(Env.TemplateFolder() + QStringLiteral("styles.css")), QByteArray("styles.css\r\n"))
        << "the template's own files stay as they were";
    EXPECT_EQ(Value(ClickTemplate(), "SYSTEM", "Template"), QStringLiteral("1"));
    EXPECT_EQ(Form->CurrentProject().sLoadedProjectPath, User(QStringLiteral("offer/")));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - offer"));
    EXPECT_TRUE(Logged(QStringLiteral("Project <") + sOffer + QStringLiteral("> loaded successfully")));

    Page(QStringLiteral("styles.css"))->FileMemo->setPlainText(QStringLiteral("p {}"));
    Form->Actions().SaveProjectMenu->trigger(); // no dialog: the scripted services would fail the test
    EXPECT_EQ(ReadWholeFile(User(QStringLiteral("offer/styles.css"))), QByteArray("p {}\r\n"));
    EXPECT_FALSE(Form->IsEdited());
}

TEST_F(ProjectCommandsTest, SaveTemplateIsOfferedOnlyWhileTheLoadedProjectIsATemplate) {
    Start();
    const QAction* saveTemplate = Form->Actions().SaveTemplateMenu;
    EXPECT_TRUE(saveTemplate->isVisible()) << "the start-up template";
    const QString sProject = User(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false);
    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), sProject);
    Form->Actions().OpenProjectMenu->trigger();
    EXPECT_FALSE(saveTemplate->isVisible()) << "an opened project";
    NewFromClick();
    EXPECT_TRUE(saveTemplate->isVisible()) << "a new project from a template";
    Env.Services.ExpectFileDialog(sTemplateSaveCaption, User(QStringLiteral("offer.zrj")));
    Form->Actions().SaveProjectAsMenu->trigger();
    EXPECT_FALSE(saveTemplate->isVisible()) << "the template saved as a project";
}

TEST_F(ProjectCommandsTest, SaveTemplateWritesTheTemplateOverItselfAndKeepsItATemplate) {
    Start();
    NewFromClick();
    const QString sQuestion = QStringLiteral(
        "Saving this Template will overwrite the existing version.\r\nAre you sure you wish to continue?");
    Edit();
    Env.Services.ExpectQuestion(sQuestion, QMessageBox::No);
    Form->Actions().SaveTemplateMenu->trigger();
    EXPECT_TRUE(Form->IsEdited());

    Env.Services.ExpectQuestion(sQuestion, QMessageBox::Yes);
    Env.Services.ExpectQuestion(QStringLiteral("Template saved"), QMessageBox::Ok);
    Form->Actions().SaveTemplateMenu->trigger();
    EXPECT_EQ(Value(ClickTemplate(), "SYSTEM", "Template"), QStringLiteral("1"));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - Click"));
    EXPECT_FALSE(Form->IsEdited());

    QFile::remove(ClickTemplate());
    Env.Services.ExpectQuestion(sQuestion, QMessageBox::Yes);
    Env.Services.ExpectQuestion(QStringLiteral("Cannot find existing template <") + ClickTemplate() + u'>',
                                QMessageBox::Cancel);
    Form->Actions().SaveTemplateMenu->trigger();
    EXPECT_FALSE(QFile::exists(ClickTemplate()));
}

TEST_F(ProjectCommandsTest, AFailedSaveKeepsTheProjectUnsavedAndTheCloseQuestionStillAsks) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false);
    Start({sProject});
    Edit();
    // A folder where the popup's HTML file belongs makes the save fail.
    QFile::remove(Env.Path(QStringLiteral("promo.html")));
    QDir().mkdir(Env.Path(QStringLiteral("promo.html")));
    const QString sEdited = QStringLiteral("Project <promo> has been edited - Do you wish to save changes?");
    Env.Services.ExpectQuestion(sEdited, QMessageBox::Yes);
    Env.Services.ExpectQuestion(QStringLiteral("Object saving error <Error saving HTML file <") +
                                    Env.Path(QStringLiteral("promo.html")) + QStringLiteral(">>"),
                                QMessageBox::Ok);
    EXPECT_FALSE(Form->close()) << "the changes could not be saved";
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - promo (unsaved)"));
    Env.Services.ExpectQuestion(sEdited, QMessageBox::No);
    EXPECT_TRUE(Form->close());
}

TEST_F(ProjectCommandsTest, OpenStartsInTheDefaultFolderFromATemplateAndOffersTheCurrentProjectOtherwise) {
    Start();
    const QString sProject = User(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false);
    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), sProject);
    Form->Actions().OpenProjectMenu->trigger();
    EXPECT_EQ(Env.Services.FileRequests.back().sStartFolder, User(QString()));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Loaded Project <") + sProject + u'>');
    EXPECT_EQ(Form->AppSettings().sDefaultProjectDir, User(QString()));

    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), QString());
    Form->Actions().OpenProjectMenu->trigger();
    EXPECT_EQ(Env.Services.FileRequests.back().sStartFolder, sProject);
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, sProject) << "a cancelled dialog changes nothing";

    const QString sBroken = User(QStringLiteral("broken.zrj"));
    WriteFile(sBroken, "[OTHER]\r\n");
    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), sBroken);
    Form->Actions().OpenProjectMenu->trigger();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - NO PROJECT LOADED"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Error loading project <") + sBroken + u'>');
}

TEST_F(ProjectCommandsTest, AfterAFailedOpenSaveAsksForAFileInsteadOfWritingToTheFolder) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false);
    Start({sProject});
    const QString sBroken = User(QStringLiteral("broken.zrj"));
    WriteFile(sBroken, "[OTHER]\r\n");
    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), sBroken);
    Form->Actions().OpenProjectMenu->trigger();
    ASSERT_TRUE(QFileInfo(Form->CurrentProject().sFullProjectName).isDir());
    Edit();
    Env.Services.ExpectFileDialog(QStringLiteral("Save project as..."), QString());
    Form->Actions().SaveProjectMenu->trigger();
    Env.Services.VerifyAllAsked();
    EXPECT_TRUE(Form->IsEdited());
}

TEST_F(ProjectCommandsTest, AnEditedProjectIsOfferedASaveBeforeAnotherIsOpened) {
    const QString sFirst = Env.Path(QStringLiteral("first.zrj"));
    const QString sSecond = Env.Path(QStringLiteral("second.zrj"));
    WriteProjectFiles(sFirst, false);
    WriteProjectFiles(sSecond, false);
    Start({sFirst});
    ASSERT_TRUE(FindByAccessibleName<QCheckBox>(Reference(), QStringLiteral("Title:"))->isChecked());
    TypeOver(FindByAccessibleName<QLineEdit>(Reference(), QStringLiteral("Title:")), QStringLiteral("Kept"));
    ASSERT_TRUE(Form->IsEdited());
    Env.Services.ExpectQuestion(QStringLiteral("Save current project first?"), QMessageBox::Yes);
    Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), sSecond);
    Form->Actions().OpenProjectMenu->trigger();
    EXPECT_EQ(Value(sFirst, "REFERENCE", "Title"), QStringLiteral("Kept"));
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, sSecond);

    Edit();
    Env.Services.ExpectQuestion(QStringLiteral("Save current project first?"), QMessageBox::No);
    Env.Services.ExpectFileDialog(QStringLiteral("New Project"), ClickTemplate());
    Form->Actions().NewProjectMenu->trigger();
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, ClickTemplate());
}

TEST_F(ProjectCommandsTest, TheRecentListLeavesOutTheCurrentProjectReopensAndKeepsTenAcrossARestart) {
    Start();
    QStringList projects;
    for (int i = 0; i < 12; ++i) {
        projects << User(QStringLiteral("p%1.zrj").arg(i));
        WriteProjectFiles(projects.last(), false);
        Env.Services.ExpectFileDialog(QStringLiteral("Open Project"), projects.last());
        Form->Actions().OpenProjectMenu->trigger();
    }
    const QMenu* reopen = Form->Actions().ReopenMenu;
    ASSERT_EQ(reopen->actions().size(), 11);
    EXPECT_EQ(reopen->actions().first()->text(), projects[10]);
    EXPECT_FALSE(EntryTexts(reopen).contains(projects[11]));
    EXPECT_EQ(EntryTexts(Form->Actions().PreviousProjectPopUp), EntryTexts(reopen));

    reopen->actions()[2]->trigger(); // p8
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, projects[8]);
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Loaded Project <") + projects[8] + u'>');
    EXPECT_EQ(Form->Actions().ReopenMenu->actions().first()->text(), projects[11]);

    ASSERT_TRUE(Form->close());
    Form.reset();
    QFile::remove(projects[11]);
    Form = Env.CreateMainForm();
    ASSERT_TRUE(Form);
    // Ten were stored (p8, p11, p10, p9, p7 ... p2); the missing p11 is left out.
    const QStringList expected = {projects[8], projects[10], projects[9], projects[7], projects[6],
                                  projects[5], projects[4],  projects[3], projects[2]};
    EXPECT_EQ(EntryTexts(Form->Actions().ReopenMenu), expected) << "ten kept, the missing file left out";
}

TEST_F(ProjectCommandsTest, EditableFilePagesOpenWithTheProjectAndTypingMarksTheProjectEdited) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false, {}, {QStringLiteral("styles.css"), QStringLiteral("site.js")});
    Start({sProject});
    TAuxFilePage* styles = Page(QStringLiteral("STYLES.CSS"));
    ASSERT_NE(styles, nullptr);
    EXPECT_NE(Page(QStringLiteral("site.js")), nullptr);
    EXPECT_FALSE(Form->IsEdited());
    QTest::keyClicks(styles->FileMemo, QStringLiteral("x"));
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_TRUE(Form->IsPreviewNeeded());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - promo (unsaved)"));
    EXPECT_FALSE(Page(QStringLiteral("site.js"))->bEdited);

    // The popup's HTML editor is the first source page; typing there marks no page.
    auto* sourcePages = Form->findChild<QTabWidget*>(QStringLiteral("SourcePages"));
    ASSERT_NE(sourcePages, nullptr);
    EXPECT_EQ(sourcePages->tabText(0), QStringLiteral("HTML"));
    auto* html =
        FindByAccessibleName<QPlainTextEdit>(*sourcePages->widget(0), QStringLiteral("Popup Content HTML Editor"));
    ASSERT_NE(html, nullptr);
    QTest::keyClicks(html, QStringLiteral("<b>"));
    EXPECT_FALSE(Page(QStringLiteral("site.js"))->bEdited);

    Form->Actions().SaveProjectMenu->trigger();
    EXPECT_EQ(ReadWholeFile(Env.Path(QStringLiteral("styles.css"))), QByteArray("xstyles.css\r\n"));
    EXPECT_TRUE(Logged(QStringLiteral("Saved editable file <site.js>"))) << "every page is written";
    EXPECT_EQ(Value(sProject, "AUX_FILES", "File2"), QStringLiteral("site.js"));
}

TEST_F(ProjectCommandsTest, ALeftOverBackupBesideAnEditableFileIsRestoredWhenTheProjectLoads) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    WriteProjectFiles(sProject, false, {}, {QStringLiteral("styles.css")});
    WriteFile(Env.Path(QStringLiteral("styles.css$$$BAK")), "saved\r\n");
    WriteFile(Env.Path(QStringLiteral("styles.css")), "unsaved\r\n");
    Start({sProject});
    EXPECT_EQ(ReadWholeFile(Env.Path(QStringLiteral("styles.css"))), QByteArray("saved\r\n"));
    EXPECT_FALSE(QFile::exists(Env.Path(QStringLiteral("styles.css$$$BAK"))));
    EXPECT_EQ(Page(QStringLiteral("styles.css"))->Text(), QStringLiteral("saved"));
    EXPECT_TRUE(Logged(QStringLiteral("Restored file <") + Env.Path(QStringLiteral("styles.css")) +
                       QStringLiteral("> from left-over backup <") + Env.Path(QStringLiteral("styles.css$$$BAK")) +
                       u'>'));
}

TEST_F(ProjectCommandsTest, AddFilesCopiesADroppedStyleSheetOpensItsPageAndMarksTheProjectEdited) {
    const QString sProject = Env.Path(QStringLiteral("site/promo.zrj"));
    WriteProjectFiles(sProject, false);
    Start({sProject});
    const QString sDropped = Env.Path(QStringLiteral("elsewhere/extra.css"));
    WriteFile(sDropped, "h1 {}\r\n");
    Env.Services.ExpectDialog(QStringLiteral("FileListForm"), [&](QDialog& dialog) {
        auto& form = static_cast<TFileListForm&>(dialog);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Add Files to or Remove Files from Project"));
        EXPECT_TRUE(DropFiles(form.DropEidtableFilePanel, {sDropped}));
        form.accept();
    });
    Form->Actions().AddFilesMenu->trigger();
    EXPECT_EQ(ReadWholeFile(Env.Path(QStringLiteral("site/extra.css"))), QByteArray("h1 {}\r\n"));
    ASSERT_NE(Page(QStringLiteral("extra.css")), nullptr);
    EXPECT_EQ(Page(QStringLiteral("extra.css"))->Text(), QStringLiteral("h1 {}"));
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_TRUE(Logged(QStringLiteral("Files added or removed")));
    Form->Actions().SaveProjectMenu->trigger();
    EXPECT_EQ(Value(sProject, "AUX_FILES", "File1"), QStringLiteral("extra.css"));
}

TEST_F(ProjectCommandsTest, TheFileListsDialogFromTheToolsMenuNamesEachControlByItsCaption) {
    Start();
    QStringList names;
    Env.Services.ExpectDialog(QStringLiteral("FileListForm"), [&names](QDialog& dialog) {
        names << QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Name);
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (qobject_cast<QGroupBox*>(control) || qobject_cast<QAbstractButton*>(control) ||
                qobject_cast<QListWidget*>(control))
                names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        }
        dialog.reject();
    });
    Form->Actions().AddFilesMenu->trigger();
    Env.Services.VerifyAllAsked();
    EXPECT_EQ(names, QStringList({"Add Files to or Remove Files from Project", " Editable Files ", "Editable Files",
                                  "Add File ...", "Remove File", " Binary & Graphic Files ", "Binary & Graphic Files",
                                  "Add File ...", "Remove File", "OK", "Cancel"}));
}

TEST_F(ProjectCommandsTest, LoadExternalHTMLReplacesThePopupsHTMLAskingFirstWhenEdited) {
    Start();
    const QString sExternal = Env.Path(QStringLiteral("page.html"));
    WriteFile(sExternal, "<h1>Offer</h1>\r\n<p>Today</p>\r\n");
    Env.Services.ExpectFileDialog(QStringLiteral("Load external HTML file"), sExternal);
    Form->Actions().LoadExternalHTMLMenu->trigger();
    EXPECT_EQ(Form->CurrentInstance()->HTMLFile,
              (QStringList{QStringLiteral("<h1>Offer</h1>"), QStringLiteral("<p>Today</p>")}));
    EXPECT_TRUE(Form->IsEdited());

    WriteFile(sExternal, "<p>Other</p>\r\n");
    Env.Services.ExpectFileDialog(QStringLiteral("Load external HTML file"), sExternal);
    Env.Services.ExpectQuestion(
        QStringLiteral("The project has been edited.\r\nDo you wish to replace the popup's HTML "
                       "with the content of file <") +
            sExternal + QStringLiteral(">?"),
        QMessageBox::No);
    Form->Actions().LoadExternalHTMLMenu->trigger();
    EXPECT_EQ(Form->CurrentInstance()->HTMLFile.value(1), QStringLiteral("<p>Today</p>"));
}

TEST_F(ProjectCommandsTest, ExitClosesThroughTheCloseQuestion) {
    Start();
    Form->show();
    Edit();
    Env.Services.ExpectQuestion(QStringLiteral("Project <Default> has been edited - Do you wish to save changes?"),
                                QMessageBox::Cancel);
    Form->Actions().ExitMenu->trigger();
    EXPECT_TRUE(Form->isVisible());
    Env.Services.ExpectQuestion(QStringLiteral("Project <Default> has been edited - Do you wish to save changes?"),
                                QMessageBox::No);
    Form->Actions().ExitMenu->trigger();
    EXPECT_FALSE(Form->isVisible());
}

struct TCommandLineCase {
    QStringList Names; // created in the test folder and passed as parameters
    bool bOpensProject;
};

class CommandLineTest : public ProjectCommandsTest, public ::testing::WithParamInterface<TCommandLineCase> {};

TEST_P(CommandLineTest, OnlyOneZrjParameterInAnyLetterCaseOpensAProject) {
    QStringList arguments;
    for (const QString& sName : GetParam().Names) {
        arguments << Env.Path(sName);
        WriteProjectFiles(arguments.last(), false);
    }
    Start(arguments);
    EXPECT_EQ(Form->CurrentProject().bTemplate == 0, GetParam().bOpensProject);
    EXPECT_EQ(Form->windowTitle(), GetParam().bOpensProject ? QStringLiteral("Brisola - V4.0 - promo")
                                                            : QStringLiteral("Brisola - V4.0 - Default"));
}

INSTANTIATE_TEST_SUITE_P(Parameters, CommandLineTest,
                         ::testing::Values(TCommandLineCase{{QStringLiteral("promo.zrj")}, true},
                                           TCommandLineCase{{QStringLiteral("promo.ZRJ")}, true},
                                           TCommandLineCase{{QStringLiteral("promo.txt")}, false},
                                           TCommandLineCase{{QStringLiteral("promo.zrj"), QStringLiteral("b.zrj")},
                                                            false}));

} // namespace
