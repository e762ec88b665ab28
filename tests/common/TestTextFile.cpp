#include "TProfileFile.h"
#include "TextFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// Reading a pipe would wait for a writer, a device might never end, and a
// huge file would be read whole: all are refused before they are opened.
TEST(TextFile, RefusesWhatIsNotARegularFileOrTooLarge) {
    QTemporaryDir dir;
    const QString sPipe = dir.filePath("pipe.html");
    ASSERT_EQ(mkfifo(QFile::encodeName(sPipe).constData(), 0600), 0);
    const QString sLarge = dir.filePath("large.html");
    QFile large(sLarge);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(ciMaxTextFileSize + 1));
    large.close();
    const QString sLimit = dir.filePath("limit.html");
    QFile limit(sLimit);
    ASSERT_TRUE(limit.open(QIODevice::WriteOnly) && limit.resize(ciMaxTextFileSize));
    limit.close();

    const struct {
        QString sPath;
        const char* sReason;
    } cases[] = {{sPipe, "it is not a regular file"},
                 {dir.path(), "it is not a regular file"},
                 {QStringLiteral("/dev/zero"), "it is not a regular file"},
                 {sLarge, "it is larger than 64 MB"},
                 {dir.filePath("missing.html"), ""}};
    for (const auto& c : cases) {
        QStringList lines{QStringLiteral("kept")};
        QString sReason = QStringLiteral("unset");
        EXPECT_FALSE(ReadTextLines(c.sPath, lines, &sReason)) << c.sPath.toStdString();
        EXPECT_EQ(sReason, QLatin1String(c.sReason)) << c.sPath.toStdString();
        EXPECT_EQ(lines, QStringList{QStringLiteral("kept")});
    }
    QString sText;
    EXPECT_TRUE(ReadTextFile(sLimit, sText));
    EXPECT_EQ(sText.size(), ciMaxTextFileSize);
}

TEST(ProfileFile, RefusedFilesFailToOpenWithTheReason) {
    QTemporaryDir dir;
    const QString sPipe = dir.filePath("pipe.zrj");
    ASSERT_EQ(mkfifo(QFile::encodeName(sPipe).constData(), 0600), 0);
    TProfileFile file;
    EXPECT_FALSE(file.Open(sPipe));
    EXPECT_EQ(file.GetLastError(), "Unable to read <" + sPipe + ">: it is not a regular file");
    EXPECT_TRUE(file.SectionNames().isEmpty());
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
