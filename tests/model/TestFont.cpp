#include "TFont.h"

#include <gtest/gtest.h>

TEST(FontText, NewFontIsEightPointTahomaInWindowText) {
    EXPECT_EQ(FontToText(TFont()), "(Tahoma,8,,FF000008)");
    EXPECT_EQ(FontToCSSText(TFont()), "8pt Tahoma");
}

TEST(FontText, WritesStylesInOrderWithoutStrikeOutAndColourInUpperCaseHex) {
    TFont font;
    font.sName = "Arial";
    font.iSize = 10;
    font.bUnderline = true;
    font.bItalic = true;
    font.bBold = true;
    font.bStrikeOut = true;
    font.Colour = 0x00ab12cd;
    EXPECT_EQ(FontToText(font), "(Arial,10,BIU,00AB12CD)");
    EXPECT_EQ(FontToCSSText(font), "bold italic 10pt Arial");
    font.bBold = false;
    EXPECT_EQ(FontToCSSText(font), "italic 10pt Arial");
}

TEST(FontText, ReadsFaceSizeStylesAndColour) {
    const TFont font = TextToFont("(Verdana,12,BI,00FF0000)");
    EXPECT_EQ(font.sName, "Verdana");
    EXPECT_EQ(font.iSize, 12);
    EXPECT_EQ(font.iHeight, 0);
    EXPECT_TRUE(font.bBold);
    EXPECT_TRUE(font.bItalic);
    EXPECT_FALSE(font.bUnderline);
    EXPECT_EQ(font.Colour, 0x00FF0000u); // blue: red sits in the lowest byte
}

TEST(FontText, NegativeSizeIsAPixelHeightThatSurvivesARoundTrip) {
    const TFont font = TextToFont("  (Verdana,-16,U,00000000)  ");
    EXPECT_EQ(font.sName, "Verdana");
    EXPECT_EQ(font.iHeight, -16);
    EXPECT_TRUE(font.bUnderline);
    EXPECT_FALSE(font.bBold);
    EXPECT_EQ(font.Colour, 0u);
    EXPECT_EQ(font.PointSize(), 12);
    EXPECT_EQ(FontToText(font), "(Verdana,-16,U,00000000)");
    EXPECT_EQ(FontToCSSText(font), "12pt Verdana");
}

TEST(FontText, ReadingStopsAtTheFirstUnreadableElement) {
    const TFont sizeBad = TextToFont("(Verdana,x,B,0)");
    EXPECT_EQ(sizeBad.sName, "Verdana");
    EXPECT_EQ(sizeBad.iSize, 8);
    EXPECT_FALSE(sizeBad.bBold);
    EXPECT_EQ(sizeBad.Colour, TFont::DefaultColour);

    const TFont colourBad = TextToFont("(Arial,11,b,12G4)");
    EXPECT_EQ(colourBad.iSize, 11);
    EXPECT_FALSE(colourBad.bBold); // styles are upper case only
    EXPECT_EQ(colourBad.Colour, TFont::DefaultColour);

    const TFont emptyFace = TextToFont("(,9,,ff)");
    EXPECT_EQ(emptyFace.sName, "Tahoma");
    EXPECT_EQ(emptyFace.iSize, 9);
    EXPECT_EQ(emptyFace.Colour, 0xFFu); // hex digits in either case

    EXPECT_EQ(TextToFont(""), TFont());
    EXPECT_EQ(TextToFont("(Arial)").sName, "Arial");
}

TEST(FontText, RoundTripKeepsEverythingButStrikeOut) {
    TFont font;
    font.sName = "Courier New";
    font.iSize = 14;
    font.bBold = true;
    font.bUnderline = true;
    font.bStrikeOut = true;
    font.Colour = 0x00102030;
    TFont expected = font;
    expected.bStrikeOut = false;
    EXPECT_EQ(TextToFont(FontToText(font)), expected);
}

TEST(ListText, BracketsAndNestedGroups) {
    EXPECT_EQ(StripBrackets("  (a,b)  "), "a,b");
    EXPECT_EQ(StripBrackets("(a,b"), "(a,b");
    EXPECT_EQ(StripBrackets("()"), "");

    QString sRest = StripBrackets("(240,(Tahoma,8,,00008000),0)");
    EXPECT_EQ(NextListItem(sRest, sRest), "240");
    EXPECT_EQ(NextListItem(sRest, sRest), "(Tahoma,8,,00008000)");
    EXPECT_EQ(NextListItem(sRest, sRest), "0");
    EXPECT_EQ(sRest, "");
    EXPECT_EQ(NextListItem(sRest, sRest), "");

    EXPECT_EQ(NextListItem(" ( a , (b) ) , c ", sRest), "( a , (b) )");
    EXPECT_EQ(sRest, "c");
    EXPECT_EQ(NextListItem("(", sRest), "()");
    EXPECT_EQ(NextListItem("(a,(b", sRest), "(a,(b)");
    EXPECT_EQ(sRest, "");
}
