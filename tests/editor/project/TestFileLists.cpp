#include "ScriptedFileListHost.h"
#include "TFileLists.h"
#include "TZEPInstance.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FileListsTest : public ::testing::Test {
protected:
    FileListsTest() {
        QDir(Dir.path()).mkpath(QStringLiteral("project"));
        QDir(Dir.path()).mkpath(QStringLiteral("elsewhere"));
    }
    QString ProjectDir() const { return Dir.filePath(QStringLiteral("project/")); }
    QString InProject(const QString& sName) const { return ProjectDir() + sName; }
    QString Elsewhere(const QString& sName) const { return Dir.filePath(QStringLiteral("elsewhere/") + sName); }
    static QString Write(const QString& sPath, const QByteArray& bytes = "x") {
        QFile file(sPath);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return sPath;
    }
    QStringList Names(CFileList list) const {
        QStringList names;
        for (const TFileListEntry& entry : Lists.Entries(list))
            names << entry.sName;
        return names;
    }
    void Apply() { Lists.Apply(EditableFiles, &Instance, ProjectDir()); }

    QTemporaryDir Dir;
    TScriptedFileListHost Host;
    TFileLists Lists{Host};
    QStringList EditableFiles;
    TZEPInstance Instance{nullptr};
};

TEST_F(FileListsTest, ANameInTheOtherListIsRefusedWhateverItsDirectory) {
    EditableFiles = {QStringLiteral("styles.css")};
    Lists.Fill(EditableFiles, &Instance);
    EXPECT_FALSE(
        Lists.AddFile(CFileList::flBinaryGraphic, Write(Elsewhere(QStringLiteral("STYLES.css"))), ProjectDir()));
    EXPECT_EQ(Host.Errors, QStringList{QStringLiteral(
                               "Cannot add this file <STYLES.css>as it is already present in the other list")});
    EXPECT_TRUE(Names(CFileList::flBinaryGraphic).isEmpty());
}

TEST_F(FileListsTest, TheFileAlreadyInTheProjectDirectoryIsTakenWithoutQuestionOrCopy) {
    Lists.Fill(EditableFiles, &Instance);
    Write(InProject(QStringLiteral("logo.gif")), "logo");
    ASSERT_TRUE(Lists.AddFile(CFileList::flBinaryGraphic, InProject(QStringLiteral("logo.gif")), ProjectDir()));
    Apply();
    EXPECT_EQ(Instance.BinaryGraphicFiles, QStringList{QStringLiteral("logo.gif")});
    EXPECT_TRUE(Host.StatusTexts.isEmpty()) << "nothing copied";
    EXPECT_EQ(ReadWholeFile(InProject(QStringLiteral("logo.gif"))), QByteArray("logo"));
}

TEST_F(FileListsTest, ANewFileFromElsewhereIsCopiedAndOpenedWhenConfirmed) {
    Lists.Fill(EditableFiles, &Instance);
    const QString sSource = Write(Elsewhere(QStringLiteral("site.css")), "new");
    ASSERT_TRUE(Lists.AddFile(CFileList::flEditable, sSource, ProjectDir()));
    EXPECT_FALSE(QFile::exists(InProject(QStringLiteral("site.css")))) << "nothing happens before OK";
    Apply();
    EXPECT_EQ(EditableFiles, QStringList{QStringLiteral("site.css")});
    EXPECT_EQ(ReadWholeFile(InProject(QStringLiteral("site.css"))), QByteArray("new"));
    EXPECT_EQ(Host.StatusTexts, (QStringList{QStringLiteral("Copying file <") + sSource + QStringLiteral(">..."),
                                             QStringLiteral("Copied file <site.css>")}));
    EXPECT_EQ(Host.Calls, QStringList{QStringLiteral("add site.css")});
    EXPECT_TRUE(Lists.Entries(CFileList::flEditable).isEmpty());
}

struct TReplaceCase {
    QMessageBox::StandardButton Answer;
    bool bListed;
    QByteArray ProjectFile;
};

class ReplaceQuestionTest : public FileListsTest, public ::testing::WithParamInterface<TReplaceCase> {};

TEST_P(ReplaceQuestionTest, AFileOfThatNameInTheProjectDirectoryIsReplacedOnlyOnYes) {
    const TReplaceCase& c = GetParam();
    Lists.Fill(EditableFiles, &Instance);
    Write(InProject(QStringLiteral("logo.gif")), "old");
    const QString sSource = Write(Elsewhere(QStringLiteral("logo.gif")), "new");
    Host.Expect(QStringLiteral("File <logo.gif> is currently in the project directory.\nDo you wish to replace it "
                               "with file <") +
                    sSource + QStringLiteral(">?"),
                c.Answer);
    EXPECT_EQ(Lists.AddFile(CFileList::flBinaryGraphic, sSource, ProjectDir()), c.bListed);
    Apply();
    EXPECT_EQ(Instance.BinaryGraphicFiles.contains(QStringLiteral("logo.gif")), c.bListed);
    EXPECT_EQ(ReadWholeFile(InProject(QStringLiteral("logo.gif"))), c.ProjectFile);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReplaceQuestionTest,
                         ::testing::Values(TReplaceCase{QMessageBox::Yes, true, "new"},
                                           TReplaceCase{QMessageBox::No, true, "old"},
                                           TReplaceCase{QMessageBox::Cancel, false, "old"}));

TEST_F(FileListsTest, ANameAlreadyListedIsOverwrittenOnlyOnYesAndReloadsItsPage) {
    Write(InProject(QStringLiteral("styles.css")), "old");
    EditableFiles = {QStringLiteral("styles.css")};
    Lists.Fill(EditableFiles, &Instance);
    const QString sSource = Write(Elsewhere(QStringLiteral("styles.css")), "new");
    const QString sQuestion = QStringLiteral("File <styles.css> has already been added.\nDo you wish to overwrite it "
                                             "with file <") +
                              sSource + QStringLiteral(">?");
    Host.Expect(sQuestion, QMessageBox::No);
    EXPECT_FALSE(Lists.AddFile(CFileList::flEditable, sSource, ProjectDir()));
    Host.Expect(sQuestion, QMessageBox::Yes);
    EXPECT_TRUE(Lists.AddFile(CFileList::flEditable, sSource, ProjectDir()));
    Apply();
    EXPECT_EQ(EditableFiles, QStringList{QStringLiteral("styles.css")});
    EXPECT_EQ(ReadWholeFile(InProject(QStringLiteral("styles.css"))), QByteArray("new"));
    EXPECT_EQ(Host.Calls, QStringList{QStringLiteral("load styles.css")});
}

TEST_F(FileListsTest, ChoosingTheListedFileInTheProjectDirectoryOnlyInforms) {
    Write(InProject(QStringLiteral("styles.css")));
    EditableFiles = {QStringLiteral("styles.css")};
    Lists.Fill(EditableFiles, &Instance);
    EXPECT_FALSE(Lists.AddFile(CFileList::flEditable, InProject(QStringLiteral("styles.css")), ProjectDir()));
    EXPECT_EQ(Host.Infos, QStringList{QStringLiteral(
                              "File <styles.css> is already in the project directory and on the current list")});
}

TEST_F(FileListsTest, RemovingAnEditableFileClosesItsPageAndKeepsTheFile) {
    Write(InProject(QStringLiteral("a.css")));
    Write(InProject(QStringLiteral("b.js")));
    EditableFiles = {QStringLiteral("a.css"), QStringLiteral("b.js")};
    Instance.BinaryGraphicFiles = {QStringLiteral("img/logo.gif")};
    Lists.Fill(EditableFiles, &Instance);
    Lists.Remove(CFileList::flEditable, 0);
    Lists.Remove(CFileList::flBinaryGraphic, 0);
    EXPECT_EQ(EditableFiles.size(), 2) << "nothing changes before OK";
    Apply();
    EXPECT_EQ(EditableFiles, QStringList{QStringLiteral("b.js")});
    EXPECT_TRUE(Instance.BinaryGraphicFiles.isEmpty());
    EXPECT_EQ(Host.Calls, QStringList{QStringLiteral("remove a.css")});
    EXPECT_TRUE(QFile::exists(InProject(QStringLiteral("a.css"))));
}

TEST_F(FileListsTest, AnAdditionWhoseFileVanishedIsDroppedAndAFailedCopyIsReported) {
    Lists.Fill(EditableFiles, &Instance);
    const QString sGone = Write(Elsewhere(QStringLiteral("gone.gif")));
    const QString sUnreadable = Write(Elsewhere(QStringLiteral("dir.gif")));
    ASSERT_TRUE(Lists.AddFile(CFileList::flBinaryGraphic, sGone, ProjectDir()));
    ASSERT_TRUE(Lists.AddFile(CFileList::flBinaryGraphic, sUnreadable, ProjectDir()));
    QFile::remove(sGone);
    // A folder in the way of the copy's target makes it fail.
    QDir(ProjectDir()).mkpath(QStringLiteral("dir.gif"));
    Apply();
    EXPECT_EQ(Instance.BinaryGraphicFiles, QStringList{QStringLiteral("dir.gif")});
    EXPECT_EQ(Host.Errors, QStringList{QStringLiteral("Error copying file <") + sUnreadable +
                                       QStringLiteral("> to Project directory <") + ProjectDir() + u'>'});
}

TEST_F(FileListsTest, CancellingChangesNothing) {
    EditableFiles = {QStringLiteral("a.css")};
    Lists.Fill(EditableFiles, &Instance);
    Lists.AddFile(CFileList::flEditable, Write(Elsewhere(QStringLiteral("b.css"))), ProjectDir());
    Lists.Clear();
    EXPECT_EQ(EditableFiles, QStringList{QStringLiteral("a.css")});
    EXPECT_FALSE(QFile::exists(InProject(QStringLiteral("b.css"))));
}

struct TLimitCase {
    CFileList List;
    int iLimit;
    const char* sMessage;
};

class FileListLimitTest : public FileListsTest, public ::testing::WithParamInterface<TLimitCase> {};

TEST_P(FileListLimitTest, OneFileBeyondWhatTheProjectFileKeepsIsRefused) {
    const TLimitCase& c = GetParam();
    Lists.Fill(EditableFiles, &Instance);
    for (int i = 1; i <= c.iLimit; ++i)
        ASSERT_TRUE(Lists.AddFile(c.List, Write(Elsewhere(QStringLiteral("f%1.txt").arg(i))), ProjectDir()));
    EXPECT_FALSE(Lists.AddFile(c.List, Write(Elsewhere(QStringLiteral("extra.txt"))), ProjectDir()));
    EXPECT_EQ(Host.Errors, QStringList{QString::fromLatin1(c.sMessage)});
    EXPECT_EQ(Lists.Entries(c.List).size(), c.iLimit);
    // Replacing a listed file is still possible at the limit.
    Host.Expect(QStringLiteral("File <f1.txt> has already been added.\nDo you wish to overwrite it with file <") +
                    Write(Dir.filePath(QStringLiteral("f1.txt"))) + QStringLiteral(">?"),
                QMessageBox::Yes);
    EXPECT_TRUE(Lists.AddFile(c.List, Dir.filePath(QStringLiteral("f1.txt")), ProjectDir()));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, FileListLimitTest,
    ::testing::Values(TLimitCase{CFileList::flEditable, 6,
                                 "Cannot add this file <extra.txt> as a project keeps at most 6 editable files"},
                      TLimitCase{
                          CFileList::flBinaryGraphic, 12,
                          "Cannot add this file <extra.txt> as a popup keeps at most 12 binary and graphic files"}));

} // namespace
