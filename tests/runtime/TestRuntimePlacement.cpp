#include "TRuntimePage.h"

#include <gtest/gtest.h>

#include <QPoint>

namespace {

class RuntimePlacement : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.Open("<div id='p_anchor' style='position:absolute;left:300px;"
                              "top:400px;width:10px;height:10px'></div>"));
    }
    void TearDown() override { EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString(); }

    QVariant Js(const QString& sScript) { return page.Run(sScript); }
    int Int(const QString& sScript) { return page.Run(sScript).toInt(); }
    QVariantMap Geo(const QString& sId) { return page.Run("geo('" + sId + "')").toMap(); }
    QPoint BoxAt(const QString& sUid) {
        const QVariantMap box = Geo(sUid + "_zepB");
        return {box["left"].toInt(), box["top"].toInt()};
    }

    TRuntimePage page;
};

TEST_F(RuntimePlacement, LocationsApplyAfter250MsWithTheBrowserAllowances) {
    Js("buildPopup('c', {pla: 1, zepw: 400, zeph: 300, bwh: 5, zepx: 3, zepy: 4});"
       "buildPopup('br', {pla: 8, zepw: 400, zeph: 300, bwh: 5})");
    page.Advance(249);
    EXPECT_EQ(BoxAt("c"), QPoint(3, 4));
    page.Advance(1);
    EXPECT_EQ(BoxAt("c"), QPoint(287, 245));
    EXPECT_EQ(BoxAt("br"), QPoint(572, 490));
    EXPECT_EQ(Int("c.pars.zepx"), 287);
    EXPECT_EQ(Geo("c_zepS")["left"].toInt(), 287 + 6);
}

TEST_F(RuntimePlacement, FullWidthTakesTheViewWidthLessTheAllowance) {
    Js("buildPopup('t', {pla: 5, fw7: 1, zepw: 400, zeph: 300, bwh: 5})");
    page.Advance(250);
    EXPECT_EQ(Int("t.pars.zepw"), 973);
    EXPECT_EQ(BoxAt("t"), QPoint(0, 0));
    EXPECT_EQ(Geo("t_zepB")["width"].toInt(), 983);
    Js("buildPopup('f', {pla: 1, fw7: 2, zepw: 400, zeph: 300, bwh: 5})");
    page.Advance(250);
    EXPECT_EQ(BoxAt("f"), QPoint(0, 0));
    EXPECT_EQ(Int("f.pars.zeph"), 790);
}

TEST_F(RuntimePlacement, WindowResizeReplacesThePopupAndDropsTheDragOffsets) {
    Js("buildPopup('c', {pla: 1, zepw: 400, zeph: 300, bwh: 5})");
    page.Advance(250);
    Js("QEL.zep.delX.c = 40; QEL.zep.delY.c = 30");
    page.ResizeViewport(QSize(800, 600));
    ASSERT_TRUE(page.WaitFor("window.innerWidth == 800 && geo('c_zepB').left == 187", 5000));
    EXPECT_EQ(BoxAt("c"), QPoint(187, 145));
    EXPECT_EQ(Int("QEL.zep.delX.c + QEL.zep.delY.c"), 0);
}

TEST_F(RuntimePlacement, AnchoredPopupSitsAtItsAnchorPlusTheOffsets) {
    Js("buildPopup('p', {pla: 10, zepx: 10, zepy: 20})");
    EXPECT_EQ(BoxAt("p"), QPoint(310, 420));
    Js("buildPopup('lost', {pla: 10, zepx: 10, zepy: 20})");
    EXPECT_EQ(BoxAt("lost"), QPoint(10, 20)) << "a missing anchor leaves the popup in place";
}

TEST_F(RuntimePlacement, FollowScrollUsesFixedPositioningAndCanBeTurnedOff) {
    Js("document.body.style.height = '3000px'; buildPopup('p', {isScr: 1, zepx: 100, zepy: 80})");
    EXPECT_EQ(Geo("p_zepB")["pos"].toString(), "fixed");
    Js("window.scrollTo(0, 400)");
    EXPECT_EQ(Geo("p_zepB")["rect"].toMap()["top"].toInt(), 80);
    EXPECT_TRUE(Js("window.onscroll === null").toBool());
    Js("Math.random = function () { return 0.9; }; buildPopup('absent', {rn: 4, isScr: 1})");
    Js("p.zepScroll('p', 0, 0)");
    EXPECT_EQ(Geo("p_zepB")["pos"].toString(), "absolute");
    EXPECT_EQ(Geo("p_zepS")["pos"].toString(), "absolute");
}

TEST_F(RuntimePlacement, DraggingTheTitleMovesThePopupAndTheGripResizesItDownToTheMinimum) {
    Js("buildPopup('p', {zepx: 100, zepy: 80, zepw: 300, zeph: 200, bwh: 5, cpad: 5, im5: 1, ir9: 1})");
    Js("var t = document.getElementById('p_zepT');"
       "t.dispatchEvent(new MouseEvent('mousedown', {clientX: 150, clientY: 90, bubbles: true}));"
       "mouseAt(200, 120)");
    page.Advance(10);
    EXPECT_EQ(BoxAt("p"), QPoint(150, 110));
    EXPECT_EQ(Int("QEL.zep.delX.p * 1000 + QEL.zep.delY.p"), 50 * 1000 + 30);
    Js("mouseAt(200, 120, 'mouseup'); mouseAt(400, 400)");
    page.Advance(10);
    EXPECT_EQ(BoxAt("p"), QPoint(150, 110)) << "mouse-up ends the drag";

    Js("var g = document.getElementById('p_rsize');"
       "g.dispatchEvent(new MouseEvent('mousedown', {clientX: 455, clientY: 315, bubbles: true}));"
       "mouseAt(200, 150)");
    page.Advance(10);
    EXPECT_EQ(Geo("p_zepB")["width"].toInt(), 60);
    EXPECT_EQ(Geo("p_zepB")["height"].toInt(), 60);
    EXPECT_EQ(Geo("p_zepC")["width"].toInt(), 40);
    EXPECT_EQ(Geo("p_zepC")["height"].toInt(), 20);
    EXPECT_EQ(Int("p.pars.zepw"), 300) << "a drag-resize keeps the stored size";
    Js("mouseAt(200, 150, 'mouseup')");
}

} // namespace
