#include "FileUtils.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Points the desktop's home, configuration and trash folders into a temporary
// folder for the duration of a test, so nothing lands in the real ones.
class FileUtilsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* sName : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            saved.append({sName, qgetenv(sName)});
        }
        qputenv("HOME", dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("home/.config").toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("home/.local/share").toUtf8());
        QDir().mkpath(dir.filePath("home/.local/share"));
    }
    void TearDown() override {
        for (const auto& [sName, value] : saved) {
            qputenv(sName, value);
        }
    }

    QTemporaryDir dir;
    QList<QPair<const char*, QByteArray>> saved;
};

TEST_F(FileUtilsTest, SpecialFoldersAreLookedUpWithoutCreatingThem) {
    EXPECT_EQ(GetSpecialFolder(CSpecialFolder::sfDocuments), dir.filePath("home/Documents"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("home/Documents")));
    EXPECT_EQ(GetSpecialFolder(CSpecialFolder::sfAppData), dir.filePath("home/.local/share"));
    EXPECT_FALSE(GetSpecialFolder(CSpecialFolder::sfTemp).isEmpty());
}

TEST_F(FileUtilsTest, CopyOfAFolderTree) {
    ASSERT_TRUE(WriteWholeFile(dir.filePath("install/Templates/Default.zrj"), "project"));
    ASSERT_TRUE(WriteWholeFile(dir.filePath("install/Templates/images/close.gif"), "gif"));
    const QString sTarget = dir.filePath("user/Templates");

    // A missing target becomes the copy; its parent folders are created.
    ASSERT_TRUE(ShellCopy(dir.filePath("install/Templates/"), sTarget + "/"));
    EXPECT_EQ(ReadWholeFile(sTarget + "/Default.zrj"), "project");
    EXPECT_EQ(ReadWholeFile(sTarget + "/images/close.gif"), "gif");

    // An existing target folder receives the source under its own name.
    ASSERT_TRUE(ShellCopy(dir.filePath("install/Templates"), dir.filePath("user")));
    EXPECT_EQ(ReadWholeFile(dir.filePath("user/Templates/Default.zrj")), "project");
    ASSERT_TRUE(WriteWholeFile(dir.filePath("other/x"), "x"));
    ASSERT_TRUE(ShellCopy(dir.filePath("install/Templates"), dir.filePath("other")));
    EXPECT_EQ(ReadWholeFile(dir.filePath("other/Templates/images/close.gif")), "gif");

    EXPECT_FALSE(ShellCopy(dir.filePath("install"), dir.filePath("install/Templates")));
    EXPECT_FALSE(ShellCopy(dir.filePath("install"), dir.filePath("install")));
    EXPECT_FALSE(ShellCopy(dir.filePath("nothing"), dir.filePath("elsewhere")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("elsewhere")));
}

TEST_F(FileUtilsTest, CopyOfAFileReplacesWithoutAsking) {
    ASSERT_TRUE(WriteWholeFile(dir.filePath("a.txt"), "new"));
    ASSERT_TRUE(WriteWholeFile(dir.filePath("out/a.txt"), "old"));
    ASSERT_TRUE(ShellCopy(dir.filePath("a.txt"), dir.filePath("out")));
    EXPECT_EQ(ReadWholeFile(dir.filePath("out/a.txt")), "new");
    ASSERT_TRUE(ShellCopy(dir.filePath("a.txt"), dir.filePath("deep/er/b.txt")));
    EXPECT_EQ(ReadWholeFile(dir.filePath("deep/er/b.txt")), "new");
    EXPECT_FALSE(ShellCopy(dir.filePath("a.txt"), dir.filePath("a.txt")));
    EXPECT_EQ(ReadWholeFile(dir.filePath("a.txt")), "new");
}

TEST_F(FileUtilsTest, DeleteRemovesFilesAndFolderTrees) {
    ASSERT_TRUE(WriteWholeFile(dir.filePath("tree/sub/file.txt"), "x"));
    ASSERT_TRUE(WriteWholeFile(dir.filePath("single.txt"), "x"));
    EXPECT_TRUE(ShellDelete(dir.filePath("tree/")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("tree")));
    EXPECT_TRUE(ShellDelete(dir.filePath("single.txt")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("single.txt")));
    EXPECT_FALSE(ShellDelete(dir.filePath("tree")));
    EXPECT_FALSE(ShellDelete(""));
    EXPECT_FALSE(ShellDelete("  "));
}

TEST(FileUtils, WriteTextFileEndsEveryLineWithCrLf) {
    QTemporaryDir dir;
    const QString sPath = dir.filePath("out.txt");
    ASSERT_TRUE(WriteTextFile(sPath, "one\ntwo\r\nthree"));
    EXPECT_EQ(ReadWholeFile(sPath), "one\r\ntwo\r\nthree\r\n");
    ASSERT_TRUE(WriteTextFile(sPath, "only\r\n"));
    EXPECT_EQ(ReadWholeFile(sPath), "only\r\n");
    ASSERT_TRUE(WriteTextFile(sPath, ""));
    EXPECT_EQ(ReadWholeFile(sPath), "");
    EXPECT_FALSE(WriteTextFile(dir.filePath("missing/out.txt"), "x"));
}

} // namespace
