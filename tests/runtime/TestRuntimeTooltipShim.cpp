#include "RuntimeTest.h"

namespace {

// Tooltips next to the pointer, and the iframe shim of IE-like browsers.
class RuntimeTooltip : public RuntimeTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Open("<p><a id=\"tt1\" href=\"#\">word</a></p>"));
        Js("buildPopup('tip', {zepx: 0, zepy: 0, bwh: 5, shs: 6, it9: 0})");
    }
    // The tooltip call of a trigger's mouse-over at page position (300, 400).
    void Hover(const QString& sTrigger, int iFade) {
        Js(QString("tip.zepTooltip('tip', '%1', 200, 100, 15, -60, '<b>Tip</b>', '#FFFF00', %2,"
                   " new MouseEvent('mouseover', {clientX: 300, clientY: 400}))")
               .arg(sTrigger)
               .arg(iFade));
    }
    void Leave() { Js("document.getElementById('tt1').dispatchEvent(new MouseEvent('mouseout'))"); }
    double Opacity(const QString& sId) { return Geo(sId).value("op").toDouble(); }
};

TEST_F(RuntimeTooltip, FadesInNextToThePointerAndOutWhenThePointerLeaves) {
    Hover("tt1", 1);
    EXPECT_EQ(Left("tip_zepB"), 315);
    EXPECT_EQ(Top("tip_zepB"), 340) << "the y offset -60 places it above the pointer";
    EXPECT_EQ(Left("tip_zepS"), 321);
    EXPECT_EQ(Width("tip_zepB"), 210);
    EXPECT_EQ(Height("tip_zepB"), 110);
    EXPECT_EQ(Str("document.getElementById('tip_zepC').innerHTML"), "<b>Tip</b>");
    EXPECT_EQ(Str("document.getElementById('tip_zepC').style.backgroundColor"), "rgb(255, 255, 0)");
    EXPECT_EQ(Vis("tip_zepB"), "hidden");
    page.Advance(250);
    EXPECT_EQ(Vis("tip_zepB"), "visible");
    EXPECT_LT(Opacity("tip_zepB"), 0.5);
    page.Advance(1000);
    EXPECT_NEAR(Opacity("tip_zepB"), 0.98, 1e-6);
    EXPECT_NEAR(Opacity("tip_zepS"), 0.294, 1e-6);

    Leave();
    page.Advance(100);
    EXPECT_EQ(Vis("tip_zepB"), "visible");
    EXPECT_LT(Opacity("tip_zepB"), 0.98);
    page.Advance(500);
    EXPECT_EQ(Vis("tip_zepB"), "hidden");
    EXPECT_EQ(Left("tip_zepB"), 315) << "showing for the fade keeps the pointer position";
}

TEST_F(RuntimeTooltip, WithoutFadingShowsAndHidesAndEachCallReplacesTheHandler) {
    Hover("tt1", 1);
    page.Advance(1000);
    Hover("tt1", 0);
    page.Advance(250);
    EXPECT_EQ(Vis("tip_zepB"), "visible");
    EXPECT_NEAR(Opacity("tip_zepB"), 1.0, 1e-6) << "a show restores full opacity";
    Leave();
    EXPECT_EQ(Vis("tip_zepB"), "hidden") << "hidden at once, not faded";
}

TEST_F(RuntimeTooltip, TriggerThatNamesNoElementLeavesTheTooltipShown) {
    Hover("missing", 0);
    page.Advance(250);
    EXPECT_EQ(Vis("tip_zepB"), "visible");
    EXPECT_EQ(Left("tip_zepB"), 315);
    EXPECT_TRUE(Js("document.getElementById('tt1').onmouseout === null").toBool());
}

class RuntimeShim : public RuntimeTest {};

TEST_F(RuntimeShim, CurrentBrowsersGetNoShim) {
    Js("buildPopup('p', {ifr: 1})");
    EXPECT_FALSE(Js("QEL.zep.ush").toBool());
    EXPECT_TRUE(Js("document.getElementById('p_ash') === null").toBool());
}

TEST_F(RuntimeShim, IeLikeBrowserWithCoverBoxesPutsAShimUnderThePopup) {
    // Internet Explorer 7 in standards mode, as the library's browser flags see it.
    Js("QEL.zep.mie = true; QEL.zep.ieh = true; QEL.zep.ie7p = true; QEL.zep.op = false");
    Js("buildPopup('p', {ifr: 1, tbw: 2, zepx: 100, zepy: 80, zepw: 300, zeph: 200, bwh: 5, shs: 6})");
    ASSERT_TRUE(Js("QEL.zep.ush").toBool());
    const QVariantMap shim = Geo("p_ash");
    EXPECT_EQ(Str("document.getElementById('p_ash').tagName"), "IFRAME");
    EXPECT_EQ(Str("document.getElementById('p_ash').getAttribute('src')"), "about:blank");
    EXPECT_EQ(Str("document.getElementById('p_ash').frameBorder"), "0");
    EXPECT_EQ(shim["pos"].toString(), "absolute");
    EXPECT_EQ(shim["left"].toInt(), 100);
    EXPECT_EQ(shim["top"].toInt(), 80);
    EXPECT_EQ(shim["width"].toInt(), 300 + 10 + 6 + 4);
    EXPECT_EQ(shim["height"].toInt(), 200 + 10 + 6 + 4);
    EXPECT_EQ(shim["vis"].toString(), "hidden");
    EXPECT_LT(shim["z"].toInt(), Geo("p_zepS")["z"].toInt());
    EXPECT_TRUE(Js("document.getElementById('p_ash').nextSibling === document.getElementById('p_zepB')").toBool());

    Js("QEL.zep.zepShow('p')");
    page.Advance(250);
    EXPECT_EQ(Vis("p_ash"), "visible");
    Js("QEL.zep.zepLocation('p', 50, 60, 0); QEL.zep.zepSize('p', 400, 250)");
    EXPECT_EQ(Left("p_ash"), 50);
    EXPECT_EQ(Top("p_ash"), 60);
    EXPECT_EQ(Width("p_ash"), 416);
    EXPECT_EQ(Height("p_ash"), 266);
    Js("QEL.zep.zepHide('p')");
    EXPECT_EQ(Vis("p_ash"), "hidden");
}

} // namespace
