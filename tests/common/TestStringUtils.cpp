#include "StringUtils.h"

#include <gtest/gtest.h>

TEST(StringUtils, BaseFileNameDropsFoldersAndTheLastExtension) {
    EXPECT_EQ(GetBaseFileName("/home/ann/site.final.zrj"), "site.final");
    EXPECT_EQ(GetBaseFileName("C:\\Work\\my.popup.zrj"), "my.popup");
    EXPECT_EQ(GetBaseFileName("README"), "README");
    EXPECT_EQ(GetBaseFileName("dir/.zrj"), "");
    EXPECT_EQ(GetBaseFileName("dir/ promo.zrj "), "promo");
    EXPECT_EQ(GetBaseFileName("dir.v2/promo"), "promo");
    EXPECT_EQ(GetBaseFileName(""), "");
}

TEST(StringUtils, LastPosIsOneBased) {
    EXPECT_EQ(LastPos('.', "a.b.c"), 4);
    EXPECT_EQ(LastPos('.', "abc"), 0);
    EXPECT_EQ(LastPos('.', ""), 0);
}

TEST(StringUtils, StrToIntZeroReadsOnlyWholeDecimalNumbers) {
    EXPECT_EQ(StrToIntZero("-5"), -5);
    EXPECT_EQ(StrToIntZero(" 42 "), 42);
    EXPECT_EQ(StrToIntZero("+7"), 7);
    EXPECT_EQ(StrToIntZero("12a"), 0);
    EXPECT_EQ(StrToIntZero("1 2"), 0);
    EXPECT_EQ(StrToIntZero("$3"), 0);
    EXPECT_EQ(StrToIntZero("-"), 0);
    EXPECT_EQ(StrToIntZero(""), 0);
    EXPECT_EQ(StrToIntZero("2147483647"), 2147483647);
    EXPECT_EQ(StrToIntZero("2147483648"), 0);
    EXPECT_EQ(StrToIntZero(QString::fromUtf8("\xD9\xA3")), 0); // an Arabic-Indic digit is not decimal here
}

TEST(StringUtils, StrToFloatNoSeparatorsUsesTheLocaleSeparators) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators("1,234,567.25", english), 1234567.25);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators(" 1.234,5 ", german), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators("-0.5", english), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators("abc", english), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators("", english), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatNoSeparators("inf", english), 0.0);
}

TEST(StringUtils, CleanUpForScripts) {
    EXPECT_EQ(RemoveChar(',', " 1,000,000 "), "1000000");
    EXPECT_EQ(RemoveControlChars("line one\r\nline\ttwo"), "line onelinetwo");
    EXPECT_EQ(RemoveControlChars(QString("a") + QChar(0) + QChar(31) + QChar(32) + "b"), "a b");
    EXPECT_EQ(EscapeQuotes(R"(say "hi" \n)"), R"(say \"hi\" \n)");
    EXPECT_EQ(EscapeQuotes("C:\\dir"), "C:\\dir");
}

TEST(StringUtils, SplitAtDelimiterTrimsBothParts) {
    QString sHead;
    QString sRest;
    SplitAtDelimiter("  user : pass:word ", ":", sHead, sRest);
    EXPECT_EQ(sHead, "user");
    EXPECT_EQ(sRest, "pass:word");
    SplitAtDelimiter(" no delimiter ", ":", sHead, sRest);
    EXPECT_EQ(sHead, "no delimiter");
    EXPECT_EQ(sRest, "");
    SplitAtDelimiter("a=>b", "=>", sHead, sRest);
    EXPECT_EQ(sHead, "a");
    EXPECT_EQ(sRest, "b");
}

TEST(StringUtils, TrimmingRemovesControlCharactersAndOneTrailingSeparator) {
    EXPECT_EQ(TrimText(QString("\t\x01 text \r\n")), "text");
    EXPECT_EQ(TrimText(QString::fromUtf8("\xC2\xA0x")), QString::fromUtf8("\xC2\xA0x")); // code 160 stays
    EXPECT_EQ(RemoveTrailingBackslash(" C:\\Work\\\\ "), "C:\\Work\\");
    EXPECT_EQ(RemoveTrailingBackslash("/home/ann/"), "/home/ann");
    EXPECT_EQ(RemoveTrailingBackslash("/home/ann"), "/home/ann");
}
