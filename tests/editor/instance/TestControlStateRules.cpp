// The enabling rules as a table: each case sets what the controls show and
// the project around the popup, runs the rules and checks what they force.
#include "ControlStateRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

struct TRuleCase {
    const char* sName;
    std::function<void(TControlStates&, TProjectFacts&)> Given;
    std::function<void(const TControlStates&, const TProjectControlStates&)> Then;
};

void PrintTo(const TRuleCase& ruleCase, std::ostream* os) {
    *os << ruleCase.sName;
}

// A popup as a fresh template shows it: no effect, manual place, nothing
// ticked, delays "0", sizes filled in.
TControlStates Plain() {
    TControlStates c;
    c.OpenAfterEdit.sText = QStringLiteral("0");
    c.CloseAfterEdit.sText = QStringLiteral("0");
    c.BorderEdit.sText = QStringLiteral("2");
    c.ShadowEdit.sText = QStringLiteral("6");
    c.PaddingEdit.sText = QStringLiteral("10");
    c.WidthEdit.sText = QStringLiteral("400");
    c.HeightEdit.sText = QStringLiteral("200");
    c.TopEdit.sText = QStringLiteral("40");
    c.LeftEdit.sText = QStringLiteral("40");
    return c;
}

const TBoxState Locked{false, false};
const TBoxState LockedOn{true, false};
const TBoxState Free{false, true};
const TBoxState FreeOn{true, true};

class ControlStateRulesTest : public ::testing::TestWithParam<TRuleCase> {};

TEST_P(ControlStateRulesTest, ForcesWhatTheRuleSays) {
    TControlStates shown = Plain();
    TProjectFacts facts;
    GetParam().Given(shown, facts);
    const TRuleResult result = UpdateControlStates(shown, facts);
    GetParam().Then(result.Controls, result.Project);
}

// Rules 1 and 6 to 11: opening, closing, effects and the link triggers.
const TRuleCase aMethodCases[] = {
    {"EffectAndFixedLocationForceOpenAfterAndTurnDelay0Into1",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = eeFadeIn;
         c.Location = ltCentre;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OpenAfter, LockedOn);
         EXPECT_EQ(c.OpenAfterEdit.sText, QStringLiteral("1"));
         EXPECT_TRUE(c.OpenAfterEdit.bEnabled);
     }},
    {"ForcedOpeningKeepsADelayOtherThan0",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = eeDropDown;
         c.Location = ltTopLeft;
         c.OpenAfterEdit.sText = QStringLiteral("5");
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OpenAfter, LockedOn);
         EXPECT_EQ(c.OpenAfterEdit.sText, QStringLiteral("5"));
     }},
    {"ALinkTriggerPreventsForcedOpening",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = eeFadeIn;
         c.Location = ltCentre;
         c.MouseOut.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OpenAfter, Free);
         EXPECT_EQ(c.OpenAfterEdit, (TFieldState{QStringLiteral("0"), false}));
         EXPECT_EQ(c.MouseOut, FreeOn) << "a forced opening does not block the links";
     }},
    {"ManualLocationOrNoEffectOpensFreely",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = eeFadeIn;
         c.OpenAfter = Locked;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.OpenAfter, Free); }},
    {"NoSelectedEffectCountsAsNone",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = -1;
         c.Location = ltCentre;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.OpenAfter, Free); }},
    {"DelayFieldsFollowTheirBoxes", [](TControlStates& c, TProjectFacts&) { c.CloseAfter.bChecked = true; },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_FALSE(c.OpenAfterEdit.bEnabled);
         EXPECT_TRUE(c.CloseAfterEdit.bEnabled);
     }},
    {"NoCloseAfterMeansNoExitEffect", [](TControlStates& c, TProjectFacts&) { c.iExitEffect = xeFadeOut; },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.iExitEffect, xeNone);
         EXPECT_TRUE(c.bExitEffectEnabled);
     }},
    {"CloseAfterKeepsTheExitEffect",
     [](TControlStates& c, TProjectFacts&) {
         c.iExitEffect = xeFadeOut;
         c.CloseAfter.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.iExitEffect, xeFadeOut); }},
    {"GreyOutClearsAndLocksTheExitEffectAndTheMouseLinksButNotOnClick",
     [](TControlStates& c, TProjectFacts&) {
         c.iExitEffect = xeSlideOut;
         c.CloseAfter.bChecked = true;
         c.Modal.bChecked = true;
         c.MouseOver.bChecked = true;
         c.OnClick.bEnabled = false;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.iExitEffect, xeNone);
         EXPECT_FALSE(c.bExitEffectEnabled);
         EXPECT_EQ(c.MouseOver, Locked);
         EXPECT_EQ(c.MouseOut, Locked);
         EXPECT_EQ(c.OnClick, Free);
     }},
    {"OpenAfterLocksEveryLinkTrigger",
     [](TControlStates& c, TProjectFacts&) {
         c.OpenAfter.bChecked = true;
         c.OnClick.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OnClick, Locked);
         EXPECT_EQ(c.MouseOver, Locked);
         EXPECT_EQ(c.MouseOut, Locked);
         EXPECT_EQ(c.PerSession, Free) << "no link left, so per-session is free again";
     }},
    {"OnExitLocksEveryLinkTrigger", [](TControlStates& c, TProjectFacts&) { c.OnExit.bChecked = true; },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OnClick, Locked);
         EXPECT_EQ(c.MouseOut, Locked);
     }},
    {"WithoutBlockersTheLinksAreFree",
     [](TControlStates& c, TProjectFacts&) {
         c.OnClick = Locked;
         c.MouseOver = Locked;
         c.MouseOut = Locked;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OnClick, Free);
         EXPECT_EQ(c.MouseOver, Free);
         EXPECT_EQ(c.MouseOut, Free);
     }},
    {"ALinkTriggerClearsAndLocksPerSession",
     [](TControlStates& c, TProjectFacts&) {
         c.OnClick.bChecked = true;
         c.PerSession.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.PerSession, Locked); }},
};
INSTANTIATE_TEST_SUITE_P(Method, ControlStateRulesTest, ::testing::ValuesIn(aMethodCases),
                         [](const auto& info) { return std::string(info.param.sName); });

// Rules 2 to 5, 12 and 13: the project around the popup, the title and
// address fields, moving.
const TRuleCase aProjectCases[] = {
    {"SeveralPopupsLockDynamicContentShowTheTabsAndHideSaveTemplate",
     [](TControlStates&, TProjectFacts& f) {
         f.bMultipleInstances = true;
         f.bTemplate = true;
     },
     [](const TControlStates&, const TProjectControlStates& p) {
         EXPECT_EQ(p, (TProjectControlStates{true, true, false}));
     }},
    {"SequentialLayersLockDynamicContentOnly",
     [](TControlStates&, TProjectFacts& f) { f.bMultipleSequentialLayers = true; },
     [](const TControlStates&, const TProjectControlStates& p) {
         EXPECT_EQ(p, (TProjectControlStates{true, false, false}));
     }},
    {"ASinglePopupTemplateShowsSaveTemplate", [](TControlStates&, TProjectFacts& f) { f.bTemplate = true; },
     [](const TControlStates&, const TProjectControlStates& p) {
         EXPECT_EQ(p, (TProjectControlStates{false, false, true}));
     }},
    {"TitleAndURLFieldsFollowTheirBoxes", [](TControlStates& c, TProjectFacts&) { c.Title.bChecked = true; },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_TRUE(c.TitleEdit.bEnabled);
         EXPECT_FALSE(c.URLEdit.bEnabled);
     }},
    {"AnotherPopupsExitIntentAndGreyOutDisableThemHere",
     [](TControlStates& c, TProjectFacts& f) {
         f.bOtherOnExit = true;
         f.bOtherModal = true;
         c.OnExit.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.OnExit, LockedOn) << "disabled, not unchecked";
         EXPECT_EQ(c.Modal, Locked);
     }},
    {"FromContentNeedsCanMove", [](TControlStates& c, TProjectFacts&) { c.FromContent.bChecked = true; },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.FromContent, Locked); }},
    {"CanMoveFreesFromContent",
     [](TControlStates& c, TProjectFacts&) {
         c.CanMove.bChecked = true;
         c.FromContent = Locked;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.FromContent, Free); }},
};
INSTANTIATE_TEST_SUITE_P(Project, ControlStateRulesTest, ::testing::ValuesIn(aProjectCases),
                         [](const auto& info) { return std::string(info.param.sName); });

// Rules 18 to 22: shadow, follow scroll, border and the colours.
const TRuleCase aAppearanceCases[] = {
    {"SlideInFromRightChecksAndLocksFollowScroll",
     [](TControlStates& c, TProjectFacts&) { c.iEntryEffect = eeSlideInRight; },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.FollowScroll, LockedOn); }},
    {"OtherEffectsFreeFollowScroll",
     [](TControlStates& c, TProjectFacts&) {
         c.iEntryEffect = eeSlideIn;
         c.FollowScroll = LockedOn;
     },
     [](const TControlStates& c, const TProjectControlStates&) { EXPECT_EQ(c.FollowScroll, FreeOn); }},
    {"TransparentTitleLocksBorderAndShadowAndTheTitleColour",
     [](TControlStates& c, TProjectFacts&) {
         c.TitleTransparent.bChecked = true;
         c.Border.bChecked = true;
         c.Shadow.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.Border, Locked);
         EXPECT_EQ(c.Shadow, Locked);
         EXPECT_EQ(c.ShadowEdit, (TFieldState{QStringLiteral("0"), false}));
         EXPECT_FALSE(c.BorderEdit.bEnabled);
         EXPECT_FALSE(c.bBorderColourEnabled);
         EXPECT_FALSE(c.bShadowColourEnabled);
         EXPECT_FALSE(c.bTitleColourEnabled);
         EXPECT_TRUE(c.bBackgroundColourEnabled);
         EXPECT_TRUE(c.bTitleTextColourEnabled);
         EXPECT_TRUE(c.bTextColourEnabled);
     }},
    {"TransparentBackgroundLocksBorderAndShadowAndTheBackgroundColour",
     [](TControlStates& c, TProjectFacts&) { c.BackgroundTransparent.bChecked = true; },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.Border, Locked);
         EXPECT_EQ(c.Shadow, Locked);
         EXPECT_TRUE(c.bTitleColourEnabled);
         EXPECT_FALSE(c.bBackgroundColourEnabled);
     }},
    {"SizeFieldsAndColoursFollowTheirBoxes",
     [](TControlStates& c, TProjectFacts&) {
         c.Border.bChecked = true;
         c.Padding.bChecked = true;
     },
     [](const TControlStates& c, const TProjectControlStates&) {
         EXPECT_EQ(c.Border, FreeOn);
         EXPECT_TRUE(c.BorderEdit.bEnabled);
         EXPECT_TRUE(c.bBorderColourEnabled);
         EXPECT_EQ(c.Shadow, Free);
         EXPECT_EQ(c.ShadowEdit, (TFieldState{QStringLiteral("6"), false}));
         EXPECT_FALSE(c.bShadowColourEnabled);
         EXPECT_TRUE(c.PaddingEdit.bEnabled);
     }},
};
INSTANTIATE_TEST_SUITE_P(Appearance, ControlStateRulesTest, ::testing::ValuesIn(aAppearanceCases),
                         [](const auto& info) { return std::string(info.param.sName); });

// Rules 14 to 18 for every location: what each one locks.
struct TLocationCase {
    CLocation Location;
    bool bResizeLocked;
    bool bWidthLocked;
    bool bHeightLocked;
    bool bTopLocked;
    bool bShadowLocked;
};

void PrintTo(const TLocationCase& locationCase, std::ostream* os) {
    *os << TextFromLocation(locationCase.Location).toStdString();
}

class LocationRulesTest : public ::testing::TestWithParam<TLocationCase> {};

TEST_P(LocationRulesTest, LockTheControlsThatTheLocationDecides) {
    const TLocationCase& expected = GetParam();
    TControlStates shown = Plain();
    shown.Location = expected.Location;
    shown.CanResize = FreeOn;
    shown.Shadow = FreeOn;
    const TControlStates c = UpdateControlStates(shown, {}).Controls;
    EXPECT_EQ(c.CanResize, expected.bResizeLocked ? Locked : FreeOn);
    EXPECT_EQ(c.WidthEdit.bEnabled, !expected.bWidthLocked);
    EXPECT_EQ(c.HeightEdit.bEnabled, !expected.bHeightLocked);
    const TFieldState top =
        expected.bTopLocked ? TFieldState{QStringLiteral("0"), false} : TFieldState{QStringLiteral("40"), true};
    EXPECT_EQ(c.TopEdit, top);
    EXPECT_EQ(c.LeftEdit, (TFieldState{QStringLiteral("40"), true})) << "the left offset always stays";
    EXPECT_EQ(c.Shadow, expected.bShadowLocked ? Locked : FreeOn);
    EXPECT_EQ(c.ShadowEdit.sText, expected.bShadowLocked ? QStringLiteral("0") : QStringLiteral("6"));
}

INSTANTIATE_TEST_SUITE_P(EveryLocation, LocationRulesTest,
                         ::testing::Values(TLocationCase{ltManual, false, false, false, false, false},
                                           TLocationCase{ltAnchored, false, false, false, false, false},
                                           TLocationCase{ltTopLeft, false, false, false, true, false},
                                           TLocationCase{ltTopCentre, false, false, false, true, false},
                                           TLocationCase{ltTopRight, false, false, false, true, true},
                                           TLocationCase{ltRightCentre, false, false, false, true, true},
                                           TLocationCase{ltRightBottom, true, false, false, true, true},
                                           TLocationCase{ltBottomCentre, true, false, false, true, true},
                                           TLocationCase{ltBottomLeft, true, false, false, true, true},
                                           TLocationCase{ltLeftCentre, false, false, false, true, false},
                                           TLocationCase{ltCentre, false, false, false, true, false},
                                           TLocationCase{ltTopFullWidth, true, true, false, true, true},
                                           TLocationCase{ltCentreFullWidth, true, true, false, true, true},
                                           TLocationCase{ltBottomFullWidth, true, true, false, true, true},
                                           TLocationCase{ltFullWidthAndHeight, true, true, true, true, true}));

TEST(ControlStateRules, AShownStateThatBreaksNoRuleComesBackUnchanged) {
    TControlStates shown = Plain();
    shown.Title.bChecked = true;
    shown.Border.bChecked = true;
    shown.Shadow.bChecked = true;
    shown.Padding.bChecked = true;
    shown.CanMove.bChecked = true;
    shown.Location = ltCentre;
    shown.TopEdit = {QStringLiteral("0"), false};
    // Every enable state as the rules decide it for these ticks.
    shown.TitleEdit.bEnabled = true;
    shown.URLEdit.bEnabled = false;
    shown.OpenAfterEdit.bEnabled = false;
    shown.CloseAfterEdit.bEnabled = false;
    shown.bShadowColourEnabled = true;
    const TControlStates once = UpdateControlStates(shown, {}).Controls;
    EXPECT_EQ(once, shown);
    EXPECT_EQ(UpdateControlStates(once, {}).Controls, once) << "the rules are stable";
}

} // namespace
