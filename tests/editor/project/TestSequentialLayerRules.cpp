#include "ProjectTestSupport.h"
#include "SequentialLayerRules.h"

#include <gtest/gtest.h>

namespace {

// The popup offer with its main content and layers 1 and 3.
class LayerRules : public ::testing::Test {
protected:
    void SetUp() override {
        Popup = NewPopup(Project, "offer");
        Popup->Location = ltCentre;
        Popup->UpdateContentFromHTML();
        for (int iID : {1, 3})
            Popup->ContentStrings.AddContent(*Popup, "\"layer\"", Popup->GetContentIndex(), iID);
    }
    TContentItem& Item(int iID) { return *Popup->GetContentObjectForID(iID); }

    TZEPProject Project;
    std::unique_ptr<TZEPInstance> Popup;
};

TEST_F(LayerRules, AddTakesTheLowestFreeNumberAndCopiesTheMainContent) {
    Popup->iWidth = 410;
    ASSERT_TRUE(AddLayer(Popup->ContentStrings, *Popup));
    ASSERT_EQ(Popup->ContentStrings.Count(), 4);
    const TContentItem& added = Popup->ContentStrings.Item(3);
    EXPECT_EQ(added.iLID, 2);
    EXPECT_EQ(added.sIndex, "zep_offer2");
    EXPECT_EQ(added.sHTML, Item(0).sHTML);
    EXPECT_EQ(Popup->ContentStrings.Line(3), "zep_offer2=\"<p>offer</p> \"");
    EXPECT_EQ(added.iAPIWidth, 410);
    EXPECT_EQ(added.iAPIHeight, 200);
    EXPECT_EQ(added.iAPITop, 20);
    EXPECT_EQ(added.iAPILeft, 30);
    EXPECT_EQ(added.APILocation, ltCentre);
    EXPECT_EQ(added.bAPIRelativePositioning, 0);
    EXPECT_TRUE(added.sAPISpecificLinkText.isEmpty());

    Popup->ContentStrings.RemoveContent(2);
    ASSERT_TRUE(AddLayer(Popup->ContentStrings, *Popup));
    EXPECT_EQ(Popup->ContentStrings.Item(3).iLID, 2) << "a deleted number is taken again";
    ASSERT_TRUE(AddLayer(Popup->ContentStrings, *Popup));
    EXPECT_EQ(Popup->ContentStrings.Item(4).iLID, 4);

    Popup->ContentStrings.RemoveContent(0);
    EXPECT_FALSE(AddLayer(Popup->ContentStrings, *Popup)) << "no layer without a main content";
}

TEST_F(LayerRules, SetStoresSizeAndPlaceOnlyForFurtherLayersAndTheTrimmedLinkTextForAll) {
    const TLayerFields fields{"120", "x9", "7", "", "Top right", true, "  <b>Go</b>  "};
    StoreLayerFields(Item(0), fields);
    EXPECT_EQ(Item(0).iAPIWidth, 300) << "the main content keeps the main window's size";
    EXPECT_EQ(Item(0).APILocation, ltCentre);
    EXPECT_EQ(Item(0).sAPISpecificLinkText, "<b>Go</b>");
    StoreLayerFields(Item(1), fields);
    EXPECT_EQ(Item(1).iAPIWidth, 120);
    EXPECT_EQ(Item(1).iAPIHeight, 0) << "text that is not a number";
    EXPECT_EQ(Item(1).iAPILeft, 7);
    EXPECT_EQ(Item(1).iAPITop, 0);
    EXPECT_EQ(Item(1).APILocation, ltTopRight);
    EXPECT_EQ(Item(1).bAPIRelativePositioning, 1);
    StoreLayerFields(Item(1), TLayerFields{"1", "1", "1", "1", "", false, ""});
    EXPECT_EQ(Item(1).APILocation, ltManual) << "no location selected";
    EXPECT_EQ(LayerFields(Item(1)).sLocation, "Manual");
}

TEST(LayerTexts, ContentStringsAreFlattenedAndTheLocationListHoldsTheNineSimplePlaces) {
    EXPECT_EQ(FlattenContentString("  <p>a</p>\r\n<p>b</p>\n\r\n"), "<p>a</p> <p>b</p>");
    EXPECT_EQ(FlattenContentString("one\ntwo\rthree"), "one twothree");
    EXPECT_EQ(ImageTag(""), "<img style=\"border-style:none\" src=\"\" />");
    EXPECT_EQ(ImageTag("btn.gif"), "<img style=\"border-style:none\" src=\"btn.gif\" />");
    EXPECT_EQ(LayerLocationNames(), (QStringList{"Top left", "Top center", "Top right", "Right center", "Right bottom",
                                                 "Bottom center", "Bottom left", "Left center", "Center"}));
    EXPECT_EQ(ContentOptionsTitle("zep_offer1"), " Content Options for zep_offer1 ");
}

TEST_F(LayerRules, SetLayerHTMLRewritesTheLine) {
    SetLayerHTML(Popup->ContentStrings, 1, " \"new\r\ntext\" ");
    EXPECT_EQ(Item(1).sHTML, "\"new text\"");
    EXPECT_EQ(Popup->ContentStrings.Line(1), "zep_offer1=\"new text\"");
}

TEST_F(LayerRules, TheLinkCommandSwitchesToTheLayerThenShowsThePopup) {
    Popup->Location = ltManual;
    Item(1).iAPIWidth = 111;
    Item(1).iAPIHeight = 222;
    Item(1).iAPILeft = 5;
    Item(1).iAPITop = 6;
    Item(1).bAPIRelativePositioning = 1;
    EXPECT_EQ(LinkCommandText(Item(1), *Popup),
              "QEL.zep.zepHide('offer');QEL.zep.zepSize('offer', 111, 222);QEL.zep.zepContent('offer', zep_offer1);"
              "QEL.zep.zepLocation('offer', 5, 6, 1, event);"
              "  if(!offer.pars.isc){ \r\n    QEL.zep.zepShow('offer');\r\n  }");
    Popup->Location = ltCentre;
    Item(1).APILocation = ltTopRight;
    EXPECT_TRUE(LinkCommandText(Item(1), *Popup).contains("QEL.zep.zepPlace('offer', "));
}

struct TControlsCase {
    const char* sName;
    TLayerState State;
    int iSelected; // layer number, or -1 for none
    TLayerControls Expected;
};

class LayerControlStates : public LayerRules, public ::testing::WithParamInterface<TControlsCase> {};

TEST_P(LayerControlStates, FollowTheSwitchTheSelectionAndTheLocation) {
    TControlsCase c = GetParam();
    c.State.oSelected = c.iSelected < 0 ? nullptr : &Item(c.iSelected);
    if (c.iSelected >= 0)
        c.Expected.sEditTitle = ContentOptionsTitle(Item(c.iSelected).sIndex);
    const TLayerControls got = LayerControls(c.State);
    const TLayerControls& e = c.Expected;
    EXPECT_EQ(got.iHeight, e.iHeight);
    EXPECT_EQ(got.bEditingVisible, e.bEditingVisible);
    EXPECT_EQ(got.bSwitchEnabled, e.bSwitchEnabled);
    EXPECT_EQ(got.bDeleteEnabled, e.bDeleteEnabled);
    EXPECT_EQ(got.sEditTitle, e.sEditTitle);
    EXPECT_EQ(got.bEditEnabled, e.bEditEnabled);
    EXPECT_EQ(got.bSizeEnabled, e.bSizeEnabled);
    EXPECT_EQ(got.bLeftTopEnabled, e.bLeftTopEnabled);
    EXPECT_EQ(got.bLocationEnabled, e.bLocationEnabled);
    EXPECT_EQ(got.bRelativeEnabled, e.bRelativeEnabled);
    EXPECT_EQ(got.bLocationVisible, e.bLocationVisible);
    EXPECT_EQ(got.bRelativeVisible, e.bRelativeVisible);
    EXPECT_EQ(got.bSetAllEnabled, e.bSetAllEnabled);
}

// Columns: height, editing visible, switch, delete, title, edit, size, left/top, location, relative,
// location visible, relative visible, set all.
INSTANTIATE_TEST_SUITE_P(
    States, LayerControlStates,
    ::testing::Values(
        TControlsCase{"SwitchOff",
                      {false, false, 1, nullptr, false},
                      0,
                      {169, false, true, false, {}, true, false, false, false, false, false, true, false}},
        TControlsCase{"MainContentManual",
                      {true, false, 1, nullptr, false},
                      0,
                      {640, true, true, false, {}, true, false, false, false, false, false, true, false}},
        TControlsCase{"MainContentFixed",
                      {true, false, 3, nullptr, true},
                      0,
                      {640, true, false, false, {}, true, false, false, false, false, true, false, true}},
        TControlsCase{"LayerManual",
                      {true, false, 3, nullptr, false},
                      1,
                      {640, true, false, true, {}, true, true, true, true, true, false, true, true}},
        TControlsCase{"LayerFixed",
                      {true, false, 3, nullptr, true},
                      3,
                      {640, true, false, true, {}, true, true, false, true, true, true, false, true}},
        TControlsCase{"OtherPopupHasLayers",
                      {true, true, 1, nullptr, false},
                      0,
                      {640, true, false, false, {}, true, false, false, false, false, false, true, false}},
        TControlsCase{
            "NothingSelected",
            {true, false, 1, nullptr, false},
            -1,
            {640, true, true, false, " No Content Selected ", false, false, false, false, false, false, false, false}}),
    [](const ::testing::TestParamInfo<TControlsCase>& info) { return std::string(info.param.sName); });

} // namespace
