#include "TextFile.h"

#include <QFile>
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
