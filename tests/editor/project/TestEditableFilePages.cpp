#include "EditableFileBackup.h"
#include "TAuxFilePage.h"
#include "TEditableFilePages.h"
#include "TZEPProject.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

void WriteAll(const QString& sPath, const QByteArray& bytes) {
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class EditableFilePagesTest : public ::testing::Test {
protected:
    EditableFilePagesTest() {
        Project.sFullProjectName = Dir.filePath(QStringLiteral("site.zrj"));
        auto* htmlPage = new QWidget(&SourcePages);
        htmlPage->setObjectName(QStringLiteral("HTMLPage"));
        SourcePages.addTab(htmlPage, QStringLiteral("HTML"));
        WriteAll(Styles(), "body { color: red; }\r\n");
    }
    QString Styles() const { return Dir.filePath(QStringLiteral("styles.css")); }
    QString StylesBackup() const { return Styles() + QStringLiteral("$$$BAK"); }
    // Opens the page for styles.css and types into it as the designer would.
    TAuxFilePage* OpenAndType(const QString& sTyped = QStringLiteral("/* new */")) {
        Pages.AddEditableFilePage(QStringLiteral("styles.css"));
        TAuxFilePage* page = Pages.FindPage(QStringLiteral("styles.css"));
        page->FileMemo->moveCursor(QTextCursor::End);
        QTest::keyClicks(page->FileMemo, sTyped);
        return page;
    }

    QTemporaryDir Dir;
    TZEPProject Project;
    QTabWidget SourcePages;
    QStringList LogLines;
    TEditableFilePages Pages{SourcePages, Project, [this](const QString& sLine) { LogLines << sLine; }};
};

TEST_F(EditableFilePagesTest, OpeningLoadsTheFileUnchangedAndTypingMarksThePage) {
    QSignalSpy changed(&Pages, &TEditableFilePages::Changed);
    Pages.AddEditableFilePage(QStringLiteral("styles.css"));
    ASSERT_EQ(SourcePages.count(), 2);
    EXPECT_EQ(SourcePages.tabText(1), QStringLiteral("styles.css"));
    TAuxFilePage* page = Pages.FindPage(QStringLiteral("styles.css"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Text(), QStringLiteral("body { color: red; }"));
    EXPECT_FALSE(page->bEdited);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(LogLines, QStringList{QStringLiteral("Loaded editable file <styles.css>")});

    QTest::keyClicks(page->FileMemo, QStringLiteral("x"));
    EXPECT_TRUE(page->bEdited);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(EditableFilePagesTest, PagesAreFoundByNameWithoutDirectoryInAnyCase) {
    Pages.AddEditableFilePage(QStringLiteral("styles.css"));
    TAuxFilePage* page = Pages.FindPage(QStringLiteral("styles.css"));
    EXPECT_EQ(Pages.FindPage(QStringLiteral("STYLES.CSS")), page);
    EXPECT_EQ(Pages.FindPage(QStringLiteral("/elsewhere/Styles.Css")), page);
    EXPECT_EQ(Pages.FindPage(QStringLiteral("HTML")), nullptr);
    EXPECT_EQ(Pages.FindPage(QStringLiteral("other.css")), nullptr);
}

TEST_F(EditableFilePagesTest, OnlyEditedPagesHandTheirTextToThePreviewAndTheFileStaysAsSaved) {
    Pages.AddEditableFilePage(QStringLiteral("styles.css"));
    EXPECT_TRUE(Pages.UnsavedTexts().isEmpty()) << "an opened page is not unsaved";
    QTest::keyClicks(Pages.FindPage(QStringLiteral("styles.css"))->FileMemo, QStringLiteral("/* new */"));
    const QMap<QString, QString> expected{
        {QStringLiteral("styles.css"), QStringLiteral("/* new */body { color: red; }")}};
    EXPECT_EQ(Pages.UnsavedTexts(), expected);
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("body { color: red; }\r\n"));
    ASSERT_TRUE(Pages.SaveEditableFile(QStringLiteral("styles.css"), false));
    EXPECT_TRUE(Pages.UnsavedTexts().isEmpty());
}

TEST_F(EditableFilePagesTest, ATemplateNeverSavesItsFiles) {
    Project.bTemplate = 1;
    TAuxFilePage* page = OpenAndType();
    EXPECT_TRUE(Pages.SaveEditableFile(QStringLiteral("styles.css"), true));
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("body { color: red; }\r\n"));
    EXPECT_TRUE(page->bEdited);
}

TEST_F(EditableFilePagesTest, SavingWritesAnEditedOrForcedPageOnly) {
    Pages.AddEditableFilePage(QStringLiteral("styles.css"));
    TAuxFilePage* page = Pages.FindPage(QStringLiteral("styles.css"));
    {
        const QSignalBlocker quiet(page->FileMemo);
        page->FileMemo->setPlainText(QStringLiteral("a\nb"));
    }
    LogLines.clear();
    EXPECT_TRUE(Pages.SaveEditableFile(QStringLiteral("styles.css"), false));
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("body { color: red; }\r\n")) << "neither edited nor forced";
    EXPECT_TRUE(LogLines.isEmpty());

    EXPECT_TRUE(Pages.SaveEditableFile(QStringLiteral("STYLES.CSS"), true));
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(LogLines, QStringList{QStringLiteral("Saved editable file <STYLES.CSS>")});

    QTest::keyClicks(page->FileMemo, QStringLiteral("c"));
    ASSERT_TRUE(page->bEdited);
    EXPECT_TRUE(Pages.SaveEditableFile(QStringLiteral("styles.css"), false));
    EXPECT_FALSE(page->bEdited);
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("ca\r\nb\r\n"));
}

TEST_F(EditableFilePagesTest, ReloadingAndClosingPages) {
    TAuxFilePage* page = OpenAndType();
    Pages.LoadEditableFile(QStringLiteral("Styles.css"));
    EXPECT_FALSE(page->bEdited);
    EXPECT_EQ(page->Text(), QStringLiteral("body { color: red; }"));

    WriteAll(Dir.filePath(QStringLiteral("site.js")), "var a;\r\n");
    Pages.AddEditableFilePage(QStringLiteral("site.js"));
    LogLines.clear();
    Pages.RemoveEditableFile(QStringLiteral("STYLES.css"));
    EXPECT_EQ(Pages.FindPage(QStringLiteral("styles.css")), nullptr);
    EXPECT_TRUE(QFile::exists(Styles())) << "closing a page keeps its file";
    EXPECT_EQ(LogLines, QStringList{QStringLiteral("Removed tab associated with file <STYLES.css>")});

    Pages.RemoveAllEditableFilePages();
    ASSERT_EQ(SourcePages.count(), 1);
    EXPECT_EQ(SourcePages.widget(0)->objectName(), QStringLiteral("HTMLPage"));
}

TEST_F(EditableFilePagesTest, TypingInOnePageMarksOnlyThatPage) {
    WriteAll(Dir.filePath(QStringLiteral("site.js")), "var a;\r\n");
    Pages.AddEditableFilePage(QStringLiteral("site.js"));
    TAuxFilePage* styles = OpenAndType();
    EXPECT_TRUE(styles->bEdited);
    EXPECT_FALSE(Pages.FindPage(QStringLiteral("site.js"))->bEdited);
}

TEST_F(EditableFilePagesTest, ALeftOverBackupIsRestoredAsTheSavedFile) {
    WriteAll(Styles(), "unsaved preview text\r\n");
    WriteAll(StylesBackup(), "saved\r\n");
    // A crash between moving the file aside and writing the edit leaves only the backup.
    WriteAll(Dir.filePath(QStringLiteral("site.js$$$BAK")), "var saved;\r\n");
    QStringList log;
    const int iRestored =
        RecoverEditableFileBackups(Dir.path() + u'/', {QStringLiteral("styles.css"), QStringLiteral("site.js")},
                                   [&log](const QString& sLine) { log << sLine; });
    EXPECT_EQ(iRestored, 2);
    EXPECT_EQ(ReadWholeFile(Styles()), QByteArray("saved\r\n"));
    EXPECT_EQ(ReadWholeFile(Dir.filePath(QStringLiteral("site.js"))), QByteArray("var saved;\r\n"));
    EXPECT_FALSE(QFile::exists(StylesBackup()));
    EXPECT_EQ(log.value(0), QStringLiteral("Restored file <") + Styles() + QStringLiteral("> from left-over backup <") +
                                StylesBackup() + u'>');
}

} // namespace

namespace {

TEST(EditableFileRecoveryTest, BackupsOfTheFilesAProjectListsAreRestoredBeforeItLoads) {
    QTemporaryDir dir;
    const QString sProject = dir.filePath(QStringLiteral("site.zrj"));
    QFile project(sProject);
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    project.write("[SYSTEM]\r\nTemplate=0\r\n[AUX_FILES]\r\nFile1=styles.css\r\nFile2=\r\nFile3=late.css\r\n");
    project.close();
    QFile backup(dir.filePath(QStringLiteral("styles.css$$$BAK")));
    ASSERT_TRUE(backup.open(QIODevice::WriteOnly));
    backup.write("saved\r\n");
    backup.close();
    QFile::copy(backup.fileName(), dir.filePath(QStringLiteral("late.css$$$BAK")));

    QStringList log;
    EXPECT_EQ(RecoverProjectFileBackups(sProject, [&log](const QString& sLine) { log << sLine; }), 1);
    EXPECT_EQ(ReadWholeFile(dir.filePath(QStringLiteral("styles.css"))), QByteArray("saved\r\n"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("late.css$$$BAK")))) << "not listed: the list ends at File2";
    EXPECT_EQ(log.size(), 1);
    EXPECT_EQ(RecoverProjectFileBackups(dir.filePath(QStringLiteral("none.zrj")), [](const QString&) {}), 0);
}

} // namespace
