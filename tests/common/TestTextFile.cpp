#include "TextFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(DecodeText("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFhi"), "hi");
    // 0xE9 alone is not UTF-8: e acute in Windows-1252; 0x80 is the euro sign.
    EXPECT_EQ(DecodeText("caf\xE9 \x80"), QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
}

TEST(TextFile, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_TRUE(SplitTextLines("").isEmpty());
}

TEST(TextFile, WritesCrLfAfterEveryLineWithoutByteOrderMark) {
    QTemporaryDir dir;
    const QString sPath = dir.filePath("t.html");
    ASSERT_TRUE(WriteTextLines(sPath, {"<p>", QString::fromUtf8("\xC3\xA9"), ""}));
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<p>\r\n\xC3\xA9\r\n\r\n"));
    QStringList lines;
    ASSERT_TRUE(ReadTextLines(sPath, lines));
    EXPECT_EQ(lines, QStringList({"<p>", QString::fromUtf8("\xC3\xA9"), ""}));
}

TEST(TextFile, ReadingAMissingFileFails) {
    QStringList lines;
    EXPECT_FALSE(ReadTextLines("/nonexistent/file.txt", lines));
}

namespace {

struct TChangedWrite {
    const char* sName;
    const char* sBefore; // null: no file
    bool bReadOnly;
    QStringList Lines;
    CTextFileWrite Expected;
    const char* sAfter;
};

class ChangedTextFile : public ::testing::TestWithParam<TChangedWrite> {};

} // namespace

TEST_P(ChangedTextFile, WritesOnlyWhenTheBytesDifferAndNeverReplacesAReadOnlyFile) {
    const TChangedWrite& c = GetParam();
    QTemporaryDir dir;
    const QString sPath = dir.filePath("side.html");
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
    if (c.sBefore) {
        QFile file(sPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.sBefore);
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();
        if (c.bReadOnly) {
            ASSERT_TRUE(QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
    }
    EXPECT_EQ(WriteChangedTextLines(sPath, c.Lines), c.Expected);
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(c.sAfter));
    if (c.sBefore) {
        EXPECT_EQ(QFileInfo(sPath).lastModified() == old, c.Expected != twWritten);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedTextFile,
    ::testing::Values(TChangedWrite{"Missing", nullptr, false, {"a"}, twWritten, "a\r\n"},
                      TChangedWrite{"Same", "a\r\nb\r\n", false, {"a", "b"}, twUnchanged, "a\r\nb\r\n"},
                      TChangedWrite{"SameLength", "a\r\nb\r\n", false, {"a", "c"}, twWritten, "a\r\nc\r\n"},
                      TChangedWrite{"OtherLineEnds", "a\nb\n", false, {"a", "b"}, twWritten, "a\r\nb\r\n"},
                      TChangedWrite{"ReadOnlySame", "a\r\n", true, {"a"}, twUnchanged, "a\r\n"},
                      TChangedWrite{"ReadOnlyChanged", "a\r\n", true, {"b"}, twFailed, "a\r\n"}),
    [](const auto& info) { return std::string(info.param.sName); });
