#include "HexText.h"

#include <gtest/gtest.h>

TEST(HexText, HexToIntReadsEitherCaseAndReportsIllegalCharacters) {
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt("FF"), 255);
    EXPECT_EQ(HexToInt("00A6CAF0"), 0xA6CAF0);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1); // 32-bit arithmetic

    QString sError;
    EXPECT_FALSE(HexToInt("G1", &sError).has_value());
    EXPECT_EQ(sError, "Illegal Hexadecimal Character");
    sError.clear();
    EXPECT_FALSE(HexToInt("", &sError).has_value());
    EXPECT_EQ(sError, "Illegal Hexadecimal Character");
    EXPECT_FALSE(HexToInt("1 ").has_value());

    EXPECT_EQ(HexToIntDef("G1"), 0);
    EXPECT_EQ(HexToIntDef(""), 0);
    EXPECT_EQ(HexToIntDef("1f"), 31);
}

TEST(HexText, EncodesCharacterCodesWithAtLeastTwoUpperCaseDigits) {
    EXPECT_EQ(StringToHexText(""), "");
    EXPECT_EQ(StringToHexText(QString("Ab") + QChar(1) + QChar(0)), "41620100");
    EXPECT_EQ(StringToHexText(QString(QChar(0xFF))), "FF");
    EXPECT_EQ(StringToHexText(QString(QChar(0x20AC))), "20AC");
}

TEST(HexText, DecodesPairsAndRefusesOddLengths) {
    EXPECT_EQ(HexTextToString("4162"), "Ab");
    EXPECT_EQ(HexTextToString("4a6B"), "Jk");
    EXPECT_EQ(HexTextToString("416"), "");
    EXPECT_EQ(HexTextToString("4G41"), QString(QChar(0)) + "A");
    const QString sAllCodes = [] {
        QString sText;
        for (int i = 0; i < 256; ++i) {
            sText += QChar(char16_t(i));
        }
        return sText;
    }();
    EXPECT_EQ(HexTextToString(StringToHexText(sAllCodes)), sAllCodes);
}
