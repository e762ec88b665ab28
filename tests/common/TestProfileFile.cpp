#include "TProfileFile.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteBytes(const QString& sPath, const QByteArray& bytes) {
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ProfileFile, ReadsValuesRegardlessOfCaseTrimmedAndUnquoted) {
    TProfileFile ini;
    ini.LoadFromText("[System]\r\nTemplate = 1 \r\nTitle=\"  quoted  \"\r\nOther='x'\r\nMixed=\"a'\r\n"
                     "[system]\r\nTemplate=0\r\n");
    EXPECT_EQ(ini.ReadInteger("SYSTEM", "template", 5), 1); // first section of a repeated name wins
    EXPECT_EQ(ini.ReadString("system", "TITLE", "d"), "  quoted  ");
    EXPECT_EQ(ini.ReadString("SYSTEM", "Other", "d"), "x");
    EXPECT_EQ(ini.ReadString("SYSTEM", "Mixed", "d"), "\"a'");
    EXPECT_EQ(ini.ReadString("SYSTEM", "Missing", "d"), "d");
    EXPECT_TRUE(ini.ValueExists("system", "mixed"));
    EXPECT_FALSE(ini.ValueExists("nosection", "mixed"));
    EXPECT_EQ(ini.ReadSection("System"), QStringList({"Template", "Title", "Other", "Mixed"}));
}

TEST(ProfileFile, IntegersAcceptDecimalAndHexadecimalOnly) {
    TProfileFile ini;
    ini.LoadFromText("[A]\nDec=-42\nPlus=+7\nDollar=$3\nHex=0x1F\nBig=$FFFFFFFF\nWord=abc\nTail=12a\n"
                     "Empty=\nHuge=99999999999\nSpace= 8 \n");
    EXPECT_EQ(ini.ReadInteger("A", "Dec", 0), -42);
    EXPECT_EQ(ini.ReadInteger("A", "Plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("A", "Dollar", 0), 3);
    EXPECT_EQ(ini.ReadInteger("A", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("A", "Big", 0), -1);
    EXPECT_EQ(ini.ReadInteger("A", "Word", 9), 9);
    EXPECT_EQ(ini.ReadInteger("A", "Tail", 9), 9);
    EXPECT_EQ(ini.ReadInteger("A", "Empty", 9), 9);
    EXPECT_EQ(ini.ReadInteger("A", "Huge", 9), 9);
    EXPECT_EQ(ini.ReadInteger("A", "Space", 9), 8);
    EXPECT_TRUE(ini.ReadBool("A", "Dollar", false));
}

TEST(ProfileFile, ValuesAreCutAt2047Characters) {
    TProfileFile ini;
    ini.LoadFromText("[A]\nLong=" + QString(3000, 'x') + "\n");
    EXPECT_EQ(ini.ReadString("A", "Long", "").size(), 2047);
}

TEST(ProfileFile, WritesReplaceInPlaceAppendToSectionOrAddSection) {
    QTemporaryDir dir;
    const QString sPath = dir.filePath("p.zrj");
    WriteBytes(sPath, "; comment\r\n[ONE]\r\nA=1\r\n; note\r\n\r\n  \r\n[TWO]\r\nB=2\r\n");
    TProfileFile ini(sPath);
    ini.WriteInteger("one", "a", 5);
    ini.WriteString("ONE", "New", "v");
    ini.WriteString("ONE", "Newer", "w");
    ini.WriteString("one", "NEW", "x");
    ini.WriteBool("THREE", "Flag", true);
    ASSERT_TRUE(ini.UpdateFile());
    // New keys go after the section's last key or comment, before its blank lines.
    EXPECT_EQ(ReadWholeFile(sPath), QByteArray("; comment\r\n[ONE]\r\nA=5\r\n; note\r\nNew=x\r\nNewer=w\r\n\r\n  \r\n"
                                               "[TWO]\r\nB=2\r\n[THREE]\r\nFlag=1\r\n"));
    EXPECT_EQ(ini.ReadSection("ONE"), QStringList({"A", "New", "Newer"}));
}

TEST(ProfileFile, ValuesWithLineBreaksStayOnOneLine) {
    TProfileFile ini;
    ini.WriteString("A", "K", "one\r\ntwo");
    EXPECT_EQ(ini.ToText(), "[A]\r\nK=one  two\r\n");
}

TEST(ProfileFile, FailedWriteKeepsThePreviousFileAndReportsThePath) {
    QTemporaryDir dir;
    const QString sPath = dir.filePath("missing-folder/p.zrj");
    TProfileFile ini(sPath);
    ini.WriteInteger("A", "B", 1);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(ini.GetLastError(), "Unable to write to " + sPath);
}

TEST(ProfileFile, EraseSectionRemovesEveryCopy) {
    TProfileFile ini;
    ini.LoadFromText("[A]\nX=1\n[B]\nY=2\n[a]\nZ=3\n");
    ini.EraseSection("a");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_EQ(ini.ReadInteger("B", "Y", 0), 2);
    EXPECT_EQ(ini.ToText(), "[B]\r\nY=2\r\n");
}

TEST(ProfileFile, IntegerEdgesOfSignsPrefixesAndRange) {
    const std::pair<const char*, int> cases[] = {{"-0x10", -16},
                                                 {"+0X1f", 31},
                                                 {"-2147483648", INT_MIN},
                                                 {"2147483647", INT_MAX},
                                                 {"2147483648", 9},
                                                 {"$100000000", 9},
                                                 {"$", 9},
                                                 {"0x", 9},
                                                 {"+-1", 9},
                                                 {"$-1", 9},
                                                 {"1 2", 9},
                                                 {"007", 7},
                                                 {"'12'", 12},
                                                 {"\"$ff\"", 255},
                                                 {"0xFFFFFFFF", -1},
                                                 {"-0x80000000", INT_MIN}};
    for (const auto& [sValue, iExpected] : cases) {
        TProfileFile ini;
        ini.LoadFromText(QString("[A]\nV=") + sValue + "\n");
        EXPECT_EQ(ini.ReadInteger("A", "V", 9), iExpected) << sValue;
    }
}

TEST(ProfileFile, RewrittenValuesKeepTheKeySpellingAndEveryOtherLine) {
    TProfileFile ini;
    ini.LoadFromText("; head\r\n[Sect]\r\n  MixedCase = old \r\nOther=keep\r\n\r\n[Next]\r\nZ=1\r\n");
    ini.WriteString("SECT", "mixedcase", "first");
    ini.WriteString("sect", "MIXEDCASE", "second");
    ini.WriteString("Sect", "Added", "new");
    EXPECT_TRUE(ini.IsModified());
    EXPECT_EQ(ini.ReadString("sect", "mixedCASE", ""), "second");
    EXPECT_EQ(ini.ToText(), "; head\r\n[Sect]\r\nMixedCase=second\r\nOther=keep\r\nAdded=new\r\n\r\n"
                            "[Next]\r\nZ=1\r\n");
    TProfileFile again;
    again.LoadFromText(ini.ToText());
    again.WriteString("Next", "Z", "1"); // the same value: nothing to write
    EXPECT_FALSE(again.IsModified());
}

TEST(ProfileFile, UnchangedFileIsNotWrittenUnlessMarkedModified) {
    QTemporaryDir dir;
    const QString sPath = dir.filePath("p.zrj");
    WriteBytes(sPath, "[A]\r\nB=1\r\n");
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
    {
        QFile file(sPath);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    TProfileFile ini(sPath);
    ini.WriteInteger("A", "B", 1);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(QFileInfo(sPath).lastModified(), old);
    ini.MarkModified();
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_NE(QFileInfo(sPath).lastModified(), old);
    EXPECT_EQ(ReadWholeFile(sPath), "[A]\r\nB=1\r\n");
    EXPECT_FALSE(ini.IsModified());
}

TEST(ProfileFile, ReadsInFileOrderFindTheFirstOfRepeatedNames) {
    TProfileFile ini;
    ini.LoadFromText("[A]\r\nK=1\r\nL=2\r\nk=3\r\n[B]\r\nK=4\r\n[a]\r\nK=5\r\nM=6\r\n");
    // Each read follows the one before it in the file, yet repeated names give the first.
    const struct {
        const char* sSection;
        const char* sKey;
        int iExpected;
    } reads[] = {{"A", "K", 1}, {"A", "L", 2}, {"A", "K", 1}, {"B", "K", 4}, {"A", "K", 1}, {"A", "M", -1}};
    for (const auto& read : reads) {
        EXPECT_EQ(ini.ReadInteger(read.sSection, read.sKey, -1), read.iExpected) << read.sSection << read.sKey;
    }
    ini.WriteInteger("B", "K", 7);
    ini.WriteInteger("A", "L", 8);
    ini.WriteInteger("A", "K", 9);
    EXPECT_EQ(ini.ToText(), "[A]\r\nK=9\r\nL=8\r\nk=3\r\n[B]\r\nK=7\r\n[a]\r\nK=5\r\nM=6\r\n");
}

TEST(ProfileFile, NamesMatchWhateverStringTypeTheyComeIn) {
    TProfileFile ini;
    ini.LoadFromText(QString::fromUtf8("[Maße]\r\nGröße=1\r\n"));
    EXPECT_EQ(ini.ReadInteger("Maße", "Größe", 0), 1); // UTF-8 text
    const QByteArray section = QString::fromUtf8("Maße").toLatin1();
    const QByteArray key = QString::fromUtf8("Größe").toLatin1();
    EXPECT_EQ(ini.ReadInteger(QLatin1String(section), QLatin1String(key), 0), 1);
    EXPECT_EQ(ini.ReadInteger(QString::fromUtf8("maße"), u"GRÖßE", 0), 1);
    // A value written three times keeps one line with the last value.
    for (const char* sValue : {"a", "b", "c"}) {
        ini.WriteString(u"maße", "größe", QString::fromLatin1(sValue));
    }
    ini.WriteString(QLatin1String("Neu"), "Schlüssel", "x");
    EXPECT_EQ(ini.ToText(), QString::fromUtf8("[Maße]\r\nGröße=c\r\n[Neu]\r\nSchlüssel=x\r\n"));
}
