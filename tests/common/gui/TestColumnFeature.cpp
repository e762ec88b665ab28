#include "TColumnFeature.h"

#include <gtest/gtest.h>

namespace {

const QString sFileColumn = QStringLiteral("(240,(Tahoma,8,,00008000),0,(File),2,0,0,00FFFF80,FF00000D)");

} // namespace

TEST(ColumnFeature, DefaultsAndTheirText) {
    const TColumnFeature feature;
    EXPECT_EQ(feature.iColWidth, 60);
    EXPECT_TRUE(feature.bEditable);
    EXPECT_EQ(feature.TitleAlignment, taCenter);
    EXPECT_EQ(feature.AsString(), "(60,(Tahoma,8,,FF000008),0,(),2,0,1,FF00000C,FF00000D)");
}

TEST(ColumnFeature, ReadsEveryFieldAndWritesTheSameText) {
    TColumnFeature feature;
    feature.FromString(sFileColumn);
    EXPECT_EQ(feature.iColWidth, 240);
    EXPECT_EQ(feature.ColFont.sName, "Tahoma");
    EXPECT_EQ(feature.ColFont.iSize, 8);
    EXPECT_EQ(feature.ColFont.Colour, 0x008000u);
    EXPECT_EQ(feature.ColAlignment, taLeftJustify);
    EXPECT_EQ(feature.sTitle, "File");
    EXPECT_EQ(feature.TitleAlignment, taCenter);
    EXPECT_EQ(feature.ColDataType, ddtText);
    EXPECT_FALSE(feature.bEditable);
    EXPECT_EQ(feature.Colour, 0x00FFFF80u);
    EXPECT_EQ(feature.SelectedColour, 0xFF00000Du);
    EXPECT_EQ(feature.AsString(), sFileColumn);
}

TEST(ColumnFeature, RoundTripsTitlesWithCommasAndOddValues) {
    TColumnFeature feature;
    feature.iColWidth = 123;
    feature.ColFont.sName = QStringLiteral("Verdana");
    feature.ColFont.iSize = 12;
    feature.ColFont.bBold = true;
    feature.ColFont.bItalic = true;
    feature.ColAlignment = taRightJustify;
    feature.sTitle = QStringLiteral("Price, net");
    feature.TitleAlignment = taLeftJustify;
    feature.ColDataType = ddtMoney;
    feature.Colour = 0x0000FF;
    TColumnFeature read;
    read.FromString(feature.AsString());
    EXPECT_EQ(read, feature);
    EXPECT_EQ(feature.AsString(), "(123,(Verdana,12,BI,FF000008),1,(Price, net),0,2,1,000000FF,FF00000D)");
}

struct TEarlyStopCase {
    const char* sText;
    int iWidth;
    QString sTitle;
    TAlignment titleAlignment;
    quint32 colour;
    quint32 selectedColour;
};

class ColumnFeatureEarlyStop : public ::testing::TestWithParam<TEarlyStopCase> {};

// Reading stops at the first element that cannot be read; what came before
// keeps its new value and everything after keeps its default.
TEST_P(ColumnFeatureEarlyStop, KeepsWhatWasReadBeforeTheBadElement) {
    const TEarlyStopCase& c = GetParam();
    TColumnFeature feature;
    feature.FromString(QString::fromLatin1(c.sText));
    EXPECT_EQ(feature.iColWidth, c.iWidth);
    EXPECT_EQ(feature.sTitle, c.sTitle);
    EXPECT_EQ(feature.TitleAlignment, c.titleAlignment);
    EXPECT_EQ(feature.Colour, c.colour);
    EXPECT_EQ(feature.SelectedColour, c.selectedColour);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColumnFeatureEarlyStop,
                         ::testing::Values(TEarlyStopCase{"(wide,(Arial,9,,00000000),1,(File),0,0,0,00FFFF80,00000000)",
                                                          60, "", taCenter, 0xFF00000C, 0xFF00000D},
                                           TEarlyStopCase{"", 60, "", taCenter, 0xFF00000C, 0xFF00000D},
                                           TEarlyStopCase{"(80,(Arial,9,,00000000),left,(File),0)", 80, "", taCenter,
                                                          0xFF00000C, 0xFF00000D},
                                           TEarlyStopCase{"(80,(Arial,9,,00000000),1,(File),centre,0)", 80, "File",
                                                          taCenter, 0xFF00000C, 0xFF00000D},
                                           TEarlyStopCase{"(80,(Arial,9,,00000000),1,(File),1,0,0,green,00000000)", 80,
                                                          "File", taRightJustify, 0xFF00000C, 0xFF00000D},
                                           TEarlyStopCase{"(80,(Arial,9,,00000000),1,(File),1,0,0,00FFFF80)", 80,
                                                          "File", taRightJustify, 0x00FFFF80, 0xFF00000D}));

TEST(ColumnFeature, AFailedWidthKeepsTheFont) {
    TColumnFeature feature;
    feature.FromString(QStringLiteral("(x,(Arial,20,B,000000FF))"));
    EXPECT_EQ(feature.ColFont, TFont());
}

struct TCellTextCase {
    const char* sText;
    TDataDisplayType type;
    QLocale::Language language;
    QLocale::Territory territory;
    const char* sShown;
};

class CellText : public ::testing::TestWithParam<TCellTextCase> {};

TEST_P(CellText, IsPreparedByTheDataType) {
    const TCellTextCase& c = GetParam();
    EXPECT_EQ(PrepareCellText(QString::fromUtf8(c.sText), c.type, QLocale(c.language, c.territory)),
              QString::fromUtf8(c.sShown));
}

INSTANTIATE_TEST_SUITE_P(
    Types, CellText,
    ::testing::Values(TCellTextCase{"  plain text \t", ddtText, QLocale::English, QLocale::UnitedStates, "plain text"},
                      TCellTextCase{"1234.5", ddtMoney, QLocale::English, QLocale::UnitedStates, "1,234.50"},
                      TCellTextCase{"1234567.891", ddtMoney, QLocale::English, QLocale::UnitedStates, "1,234,567.89"},
                      TCellTextCase{"0.5", ddtMoney, QLocale::English, QLocale::UnitedStates, "0.50"},
                      TCellTextCase{"-12.3", ddtMoney, QLocale::English, QLocale::UnitedStates, "-12.30"},
                      TCellTextCase{"1234,5", ddtMoney, QLocale::German, QLocale::Germany, "1.234,50"},
                      TCellTextCase{"not a number", ddtMoney, QLocale::English, QLocale::UnitedStates, "0.00"},
                      TCellTextCase{"12,000", ddtNumber, QLocale::English, QLocale::UnitedStates, "12000"},
                      TCellTextCase{" 1234.5 ", ddtNumber, QLocale::English, QLocale::UnitedStates, "1234.5"},
                      TCellTextCase{"1.234,25", ddtNumber, QLocale::German, QLocale::Germany, "1234,25"},
                      TCellTextCase{"0.1", ddtNumber, QLocale::English, QLocale::UnitedStates, "0.1"},
                      TCellTextCase{"abc", ddtNumber, QLocale::English, QLocale::UnitedStates, "0"},
                      TCellTextCase{" 12,000 ", TDataDisplayType(7), QLocale::English, QLocale::UnitedStates,
                                    "12,000"}));

TEST(CellText, TextIsPlacedByTheAlignment) {
    // The text area runs from 13 to 97; the text is 20 wide.
    EXPECT_EQ(AlignedTextLeft(taLeftJustify, 13, 97, 20), 13);
    EXPECT_EQ(AlignedTextLeft(taRightJustify, 13, 97, 20), 77);
    EXPECT_EQ(AlignedTextLeft(taCenter, 13, 97, 20), 45);
    EXPECT_EQ(AlignedTextLeft(taCenter, 13, 96, 20), 44); // halves truncate
    EXPECT_EQ(AlignedTextLeft(taCenter, 13, 20, 40), -3); // too wide: towards zero
    EXPECT_EQ(AlignedTextLeft(TAlignment(5), 13, 97, 20), 13);
}
