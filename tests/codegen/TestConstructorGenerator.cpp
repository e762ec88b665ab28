#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>

#include "ConstructorGenerator.h"
#include "GeneratorTestSupport.h"

namespace {

// A popup whose settings give a different text for nearly every constructor argument.
class ConstructorTest : public ::testing::Test {
protected:
    ConstructorTest() : o(Test.AddInstance(QStringLiteral("promo"))) {
        Test.Project().bCoverBoxes = 1;
        o.bBorder = 1;
        o.iBorderSize = 3;
        o.BorderColour = RecordColour(0x1C, 0x5E, 0xA2);
        o.bOnExit = 1;
        o.Location = ltTopRight;
        o.iCloseAfterDelay = 12;
        o.iTryOnce = 4;
        o.iTryAgain = 5;
        o.bOncePer = 1;
        o.iNunberDays = 7;
        o.bControlProbablility = 1;
        o.iProbabilityPercent = 75;
        o.bPadding = 1;
        o.iPaddingSize = 6;
        o.bScrollBars = 1;
        o.iLeft = 25;
        o.iTop = -10;
        o.iWidth = 350;
        o.iHeight = 210;
        o.bTitleSelected = 1;
        o.TitleTextColour = RecordColour(0xFF, 0xFF, 0xFF);
        o.TitleColour = RecordColour(0x12, 0x34, 0x56);
        o.BackgroundColour = RecordColour(0xAB, 0xCD, 0xEF);
        o.bShadow = 1;
        o.iShadowSize = 4;
        o.ShadowColour = RecordColour(0x80, 0x80, 0x80);
        o.EntryEffect = eeSlideIn;
        o.bCanResize = 1;
        o.bCanClose = 1;
        o.bFromContent = 1;
        SetFont(QStringLiteral("Verdana"), 12, true, true, false);
        o.TextPanelColour = RecordColour(0x01, 0x02, 0x03);
        o.bRotationMode = 1;
    }

    void SetFont(const QString& sName, int iSize, bool bBold, bool bItalic, bool bUnderline) {
        o.Font = TFont{};
        o.Font.sName = sName;
        o.Font.iSize = iSize;
        o.Font.bBold = bBold;
        o.Font.bItalic = bItalic;
        o.Font.bUnderline = bUnderline;
    }

    // Argument n (1 to 39) of the generated statement.
    QString Argument(int n) const {
        const QString sText = CreateInstanceFunction(o);
        const qsizetype start = sText.indexOf(QLatin1Char('(')) + 1;
        const QStringList arguments = sText.mid(start, sText.size() - start - 2).split(QStringLiteral(", "));
        EXPECT_EQ(arguments.size(), 39);
        return arguments.value(n - 1);
    }

    TTestProject Test;
    TZEPInstance& o;
};

TEST_F(ConstructorTest, WritesEveryArgumentInOrder) {
    EXPECT_EQ(
        CreateInstanceFunction(o),
        QStringLiteral("promo = new QEL.zep.zepInstance(\"promo\", 3, \"#1C5EA2\", 1, 0, 9, 12, 0, 4, 5, 1, 604800, "
                       "1.333, 6, 0, 1, 0, 1, 0, 25, -10, 350, 210, 1, \"#FFFFFF\", \"#123456\", \"#ABCDEF\", 1, "
                       "4, \"#808080\", 0, 1, 1, 0, 1, \"bold italic 12pt Verdana\", \"#010203\", 0, 1);"));
}

TEST_F(ConstructorTest, WritesTheOppositeSwitches) {
    Test.Project().bCoverBoxes = 0;
    o.bBorder = 0;
    o.bOnExit = 0;
    o.bPerSession = 1;
    o.Location = ltManual;
    o.bSiteWide = 1;
    o.bOncePer = 0;
    o.iNunberDays = 0;
    o.bControlProbablility = 0;
    o.bPadding = 0;
    o.bScrollBars = 0;
    o.bFollowScroll = 1;
    o.bTitleSelected = 0;
    o.bShadow = 0;
    o.EntryEffect = eeBounce;
    o.bCanResize = 0;
    o.bCanClose = 0;
    o.bCanMove = 1;
    o.bFromContent = 0;
    SetFont(QStringLiteral("Tahoma"), 10, false, false, false);
    o.bModal = 1;
    o.bRotationMode = 0;
    // The border colour, shadow size and shadow colour are written although border and shadow are off.
    EXPECT_EQ(CreateInstanceFunction(o),
              QStringLiteral("promo = new QEL.zep.zepInstance(\"promo\", 0, \"#1C5EA2\", 0, 1, 0, 12, 1, 4, 5, 0, 0, "
                             "1, 0, 0, 0, 1, 0, 0, 25, -10, 350, 210, 0, \"#FFFFFF\", \"#123456\", \"#ABCDEF\", 0, "
                             "4, \"#808080\", 1, 0, 0, 1, 0, \"10pt Tahoma\", \"#010203\", 1, 0);"));
}

TEST_F(ConstructorTest, EdgeValuesTogetherInOneStatement) {
    o.sUniqueID = QStringLiteral("promo ");
    o.bBorder = 2;
    o.bTransparentBackground = 1;
    o.bPerSession = 2;
    o.Location = ltFullWidthAndHeight;
    o.iNunberDays = 2;
    o.iProbabilityPercent = 64;
    o.iWidth = 30;
    o.iHeight = 49;
    o.bShadow = 0;
    o.iShadowSize = 0;
    o.EntryEffect = eeBounce;
    SetFont(QStringLiteral("Arial"), 9, false, false, true);
    o.bModal = 1;
    EXPECT_EQ(CreateInstanceFunction(o),
              QStringLiteral("promo = new QEL.zep.zepInstance(\"promo\", 0, \"transparent\", 1, 0, 1, 12, 0, 4, 5, 1, "
                             "172800, 1.563, 6, 0, 1, 0, 1, 2, 25, -10, 50, 50, 1, \"#FFFFFF\", \"#123456\", "
                             "\"transparent\", 0, 0, \"#808080\", 1, 1, 1, 0, 1, \"9pt Arial\", \"#010203\", 1, 1);"));
}

// The runtime finds a popup's elements by the uid it was constructed with and
// the commands address it by the variable's name: both are the trimmed ID.
TEST_F(ConstructorTest, UniqueIDIsTrimmedForTheVariableAndTheRuntimeUid) {
    o.sUniqueID = QStringLiteral("promo ");
    const QString sText = CreateInstanceFunction(o);
    EXPECT_TRUE(sText.startsWith(QStringLiteral("promo = new QEL.zep.zepInstance(\"promo\", 3, ")))
        << sText.toStdString();
    // Every character of code 32 or below counts as a blank, control characters included; a no-break space does not.
    o.sUniqueID = QStringLiteral("\x1Fpromo\x01 ");
    EXPECT_TRUE(CreateInstanceFunction(o).startsWith(QStringLiteral("promo = new QEL.zep.zepInstance(\"promo\", 3, ")));
    EXPECT_EQ(o.GetContentIndex(), QStringLiteral("zep_promo"));
    o.sUniqueID = QStringLiteral("promo\u00A0");
    EXPECT_TRUE(CreateInstanceFunction(o).startsWith(QStringLiteral("promo\u00A0 = new ")));
    EXPECT_EQ(o.GetContentIndex(), QStringLiteral("zep_promo\u00A0"));
}

TEST_F(ConstructorTest, RaisesWidthAndHeightToTheMinimum) {
    o.iWidth = 30;
    o.iHeight = 49;
    EXPECT_EQ(Argument(22), QStringLiteral("50"));
    EXPECT_EQ(Argument(23), QStringLiteral("50"));
    o.iWidth = 50;
    o.iHeight = 51;
    EXPECT_EQ(Argument(22), QStringLiteral("50"));
    EXPECT_EQ(Argument(23), QStringLiteral("51"));
    o.iWidth = -5;
    EXPECT_EQ(Argument(22), QStringLiteral("50"));
}

TEST_F(ConstructorTest, TransparencyCombinations) {
    struct TCase {
        quint8 bTitle, bBackground;
        const char *sBorder, *sTitle, *sBackground;
    };
    const TCase cases[] = {
        {0, 0, "\"#1C5EA2\"", "\"#123456\"", "\"#ABCDEF\""},
        {1, 0, "\"transparent\"", "\"transparent\"", "\"#ABCDEF\""},
        {0, 1, "\"transparent\"", "\"#123456\"", "\"transparent\""},
        {1, 1, "\"transparent\"", "\"transparent\"", "\"transparent\""},
        {2, 2, "\"#1C5EA2\"", "\"#123456\"", "\"#ABCDEF\""},
    };
    for (const TCase& c : cases) {
        o.bTransparentTitle = c.bTitle;
        o.bTransparentBackground = c.bBackground;
        SCOPED_TRACE(testing::Message() << int(c.bTitle) << "/" << int(c.bBackground));
        EXPECT_EQ(Argument(3), QLatin1String(c.sBorder));
        EXPECT_EQ(Argument(26), QLatin1String(c.sTitle));
        EXPECT_EQ(Argument(27), QLatin1String(c.sBackground));
    }
}

TEST_F(ConstructorTest, ColoursIgnoreBitsAboveTheLow24) {
    o.TitleTextColour = 0xFF000008u;
    EXPECT_EQ(Argument(25), QStringLiteral("\"#080000\""));
}

TEST_F(ConstructorTest, ProbabilityDivisor) {
    const std::pair<int, const char*> cases[] = {{0, "100"}, {100, "1"},   {75, "1.333"}, {64, "1.563"}, {60, "1.667"},
                                                 {50, "2"},  {33, "3.03"}, {1, "100"},    {200, "0.5"},  {3, "33.333"}};
    for (const auto& [iPercent, sDivisor] : cases) {
        o.iProbabilityPercent = iPercent;
        EXPECT_EQ(Argument(13), QLatin1String(sDivisor)) << iPercent;
    }
    o.iProbabilityPercent = 60;
    for (quint8 bControl : {0, 2}) {
        o.bControlProbablility = bControl;
        EXPECT_EQ(Argument(13), QStringLiteral("1"));
    }
}

TEST_F(ConstructorTest, ProbabilityDivisorIgnoresACommaDecimalLocale) {
    const QLocale previous;
    const std::string sPreviousC = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    // The C library's locale follows where the machine has it.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    o.iProbabilityPercent = 60;
    EXPECT_EQ(Argument(13), QStringLiteral("1.667"));
    o.iProbabilityPercent = 64;
    EXPECT_EQ(Argument(13), QStringLiteral("1.563"));
    o.iProbabilityPercent = 30000;
    EXPECT_EQ(Argument(13), QStringLiteral("0.003"));
    std::setlocale(LC_ALL, sPreviousC.c_str());
    QLocale::setDefault(previous);
}

TEST_F(ConstructorTest, DaysBecomeSeconds) {
    o.iNunberDays = 1;
    EXPECT_EQ(Argument(12), QStringLiteral("86400"));
    o.iNunberDays = 30000; // beyond 32 bits once turned into seconds
    EXPECT_EQ(Argument(12), QStringLiteral("2592000000"));
}

TEST_F(ConstructorTest, LocationCodesAndFullSizeModes) {
    const std::tuple<CLocation, const char*, const char*> cases[] = {
        {ltManual, "0", "0"},          {ltTopLeft, "6", "0"},
        {ltTopCentre, "5", "0"},       {ltTopRight, "9", "0"},
        {ltRightCentre, "4", "0"},     {ltRightBottom, "8", "0"},
        {ltBottomCentre, "2", "0"},    {ltBottomLeft, "7", "0"},
        {ltLeftCentre, "3", "0"},      {ltCentre, "1", "0"},
        {ltTopFullWidth, "5", "1"},    {ltCentreFullWidth, "1", "1"},
        {ltBottomFullWidth, "2", "1"}, {ltFullWidthAndHeight, "1", "2"},
        {ltAnchored, "10", "0"},
    };
    for (const auto& [location, sCode, sMode] : cases) {
        o.Location = location;
        EXPECT_EQ(Argument(6), QLatin1String(sCode)) << int(location);
        EXPECT_EQ(Argument(19), QLatin1String(sMode)) << int(location);
    }
    EXPECT_EQ(GetLocationVal(static_cast<CLocation>(15)), 0);
    EXPECT_EQ(GetLocationVal(static_cast<CLocation>(200)), 0);
}

TEST_F(ConstructorTest, OnlyTheBounceShowsAmongEntryEffects) {
    for (CEntryEffect effect : {eeNone, eeDropDown, eeSlideIn, eeSlideInRight, eeSlideUp, eeFadeIn}) {
        o.EntryEffect = effect;
        EXPECT_EQ(Argument(31), QStringLiteral("0")) << int(effect);
    }
    o.EntryEffect = eeBounce;
    EXPECT_EQ(Argument(31), QStringLiteral("1"));
}

TEST_F(ConstructorTest, FlagHoldingTwoIsOff) {
    o.bOnExit = 2;
    o.bBorder = 2;
    o.bPadding = 2;
    o.bRotationMode = 2;
    Test.Project().bCoverBoxes = 2;
    EXPECT_EQ(Argument(4), QStringLiteral("0"));
    EXPECT_EQ(Argument(2), QStringLiteral("0"));
    EXPECT_EQ(Argument(14), QStringLiteral("0"));
    EXPECT_EQ(Argument(18), QStringLiteral("0"));
    EXPECT_EQ(Argument(39), QStringLiteral("0"));
}

TEST_F(ConstructorTest, FontTexts) {
    SetFont(QStringLiteral("Arial"), 9, false, false, true);
    EXPECT_EQ(Argument(36), QStringLiteral("\"9pt Arial\""));
    SetFont(QStringLiteral("Arial"), 14, true, false, false);
    EXPECT_EQ(Argument(36), QStringLiteral("\"bold 14pt Arial\""));
    SetFont(QStringLiteral("Arial"), 14, false, true, false);
    EXPECT_EQ(Argument(36), QStringLiteral("\"italic 14pt Arial\""));
}

TEST_F(ConstructorTest, SameRecordSameText) {
    const QString sFirst = CreateInstanceFunction(o);
    EXPECT_EQ(CreateInstanceFunction(o), sFirst);
}

} // namespace
