#include "RuntimeTest.h"

#include <QSize>

namespace {

// Locations, full-size modes, re-placement on resize, anchoring and
// follow-scroll on a 1000 x 800 viewport (standards mode, current browser:
// centring allowance 8, right edge 18, full width 17).
class RuntimeLocations : public RuntimeTest {
protected:
    // Builds a 400 x 300 popup with border 5 at location p (no left tab: zepx 0) and lets the placement delay pass.
    void Place(const QString& sUid, int iLocation, int iFullSize = 0) {
        Js(QString("buildPopup('%1', {pla: %2, fw7: %3, zepx: 0, zepy: 0, zepw: 400, zeph: 300, bwh: 5})")
               .arg(sUid)
               .arg(iLocation)
               .arg(iFullSize));
        page.Advance(250);
    }
    // Resizes the view and waits until the popup's box has its new left.
    bool ResizeUntil(QSize size, const QString& sId, int iLeft) {
        page.ResizeViewport(size);
        return page.WaitFor(
            QString("window.innerWidth == %1 && geo('%2').left == %3").arg(size.width()).arg(sId).arg(iLeft), 10000);
    }
};

TEST_F(RuntimeLocations, EveryLocationCodeOnA1000By800View) {
    struct TCase {
        int iCode, iLeft, iTop;
    };
    const TCase cases[] = {{1, 287, 245}, {2, 287, 490}, {3, 0, 245},   {4, 572, 245}, {5, 287, 0},
                           {6, 0, 0},     {7, 0, 490},   {8, 572, 490}, {9, 572, 0}};
    for (const TCase& c : cases) {
        const QString sUid = QString("p%1").arg(c.iCode);
        Place(sUid, c.iCode);
        EXPECT_EQ(Left(sUid + "_zepB"), c.iLeft) << "location " << c.iCode;
        EXPECT_EQ(Top(sUid + "_zepB"), c.iTop) << "location " << c.iCode;
        EXPECT_EQ(Left(sUid + "_zepS"), c.iLeft + 6) << "location " << c.iCode;
        EXPECT_EQ(Int(sUid + ".pars.zepx"), c.iLeft) << "location " << c.iCode;
        EXPECT_EQ(Int(sUid + ".pars.zepy"), c.iTop) << "location " << c.iCode;
    }
}

TEST_F(RuntimeLocations, PlacementWaits250Ms) {
    Js("buildPopup('p', {pla: 1, zepx: 100, zepy: 80, zepw: 400, zeph: 300, bwh: 5})");
    page.Advance(249);
    EXPECT_EQ(Left("p_zepB"), 100);
    EXPECT_EQ(Top("p_zepB"), 80);
    page.Advance(1);
    EXPECT_EQ(Left("p_zepB"), 287);
    EXPECT_EQ(Top("p_zepB"), 245);
}

TEST_F(RuntimeLocations, FullWidthAndFullWidthAndHeight) {
    Place("w", 5, 1);
    EXPECT_EQ(Int("w.pars.zepw"), 973);
    EXPECT_EQ(Int("w.pars.zeph"), 300);
    EXPECT_EQ(Left("w_zepB"), 0);
    EXPECT_EQ(Top("w_zepB"), 0);
    EXPECT_EQ(Width("w_zepB"), 983);

    Place("b", 2, 1);
    EXPECT_EQ(Left("b_zepB"), 0);
    EXPECT_EQ(Top("b_zepB"), 490);

    Place("f", 1, 2);
    EXPECT_EQ(Int("f.pars.zepw"), 973);
    EXPECT_EQ(Int("f.pars.zeph"), 790);
    EXPECT_EQ(Left("f_zepB"), 0);
    EXPECT_EQ(Top("f_zepB"), 0);
    EXPECT_EQ(Width("f_zepB"), 983);
    EXPECT_EQ(Height("f_zepB"), 800);
}

TEST_F(RuntimeLocations, LeftTabIsParkedWithItsTabVisible) {
    Js("buildPopup('t', {pla: 6, zepx: 40, zepy: 80, zepw: 300, zeph: 200, bwh: 5})");
    page.Advance(250);
    EXPECT_EQ(Left("t_zepB"), -260);
    EXPECT_EQ(Top("t_zepB"), 0);
}

TEST_F(RuntimeLocations, PlacementIsKeptOnWindowResizeAndUndoesADrag) {
    Place("p", 8);
    Place("f", 5, 1);
    // The visitor drags the popup 100 pixels up and left by its title bar.
    Js("document.getElementById('p_zepT').dispatchEvent(new MouseEvent('mousedown', {clientX: 600, clientY: 500}));"
       "mouseAt(500, 400); fakeClock.advance(10); mouseAt(500, 400, 'mouseup')");
    ASSERT_EQ(Left("p_zepB"), 472);
    ASSERT_EQ(Int("QEL.zep.delX.p"), -100);
    ASSERT_EQ(Int("QEL.zep.delY.p"), -100);
    ASSERT_TRUE(ResizeUntil(QSize(800, 600), "p_zepB", 800 - 18 - 410));
    EXPECT_EQ(Top("p_zepB"), 600 - 310);
    EXPECT_EQ(Int("QEL.zep.delX.p"), 0);
    EXPECT_EQ(Int("QEL.zep.delY.p"), 0);
    EXPECT_EQ(Int("f.pars.zepw"), 800 - 17 - 10);
    EXPECT_EQ(Left("f_zepB"), 0);
}

TEST_F(RuntimeLocations, AnchoredPopupFollowsItsElement) {
    // A long page without a scroll bar, so that 50% is half the view's width.
    ASSERT_TRUE(Open("<div id=\"a_anchor\" style=\"position:absolute; left:50%; top:300px\">x</div>"
                     "<div style=\"height:3000px\"></div>",
                     "<style>::-webkit-scrollbar { width: 0; height: 0; }</style>"));
    Js("buildPopup('a', {pla: 10, zepx: 15, zepy: 25, shs: 6})");
    EXPECT_EQ(Left("a_zepB"), 515);
    EXPECT_EQ(Top("a_zepB"), 325);
    EXPECT_EQ(Left("a_zepS"), 521);
    EXPECT_EQ(Int("QEL.zep.eloc.a.x"), 500);

    // Scrolled: the page position is kept for a popup that does not follow the scroll.
    Js("window.scrollTo(0, 200); QEL.zep.zepAnchor('a', 'a_anchor', 15, 25)");
    EXPECT_EQ(Top("a_zepB"), 325);
    Js("window.scrollTo(0, 0)");

    ASSERT_TRUE(ResizeUntil(QSize(800, 800), "a_zepB", 415));
    EXPECT_EQ(Top("a_zepB"), 325);
}

TEST_F(RuntimeLocations, MissingAnchorLeavesThePopupInPlace) {
    Js("buildPopup('a', {pla: 10, zepx: 15, zepy: 25})");
    Js("QEL.zep.zepAnchor('a', 'nowhere', 100, 100)");
    EXPECT_EQ(Left("a_zepB"), 15);
    EXPECT_EQ(Top("a_zepB"), 25);
    EXPECT_TRUE(Js("QEL.zep.eloc.a === undefined").toBool());
}

TEST_F(RuntimeLocations, FollowScrollUsesFixedPositionAndCanBeTurnedOff) {
    ASSERT_TRUE(Open("<div style=\"height:3000px\"></div>"));
    Js("buildPopup('s', {isScr: 1, zepx: 100, zepy: 80}); buildPopup('n', {isScr: 0, zepx: 100, zepy: 80})");
    EXPECT_EQ(Geo("s_zepB")["pos"].toString(), "fixed");
    EXPECT_EQ(Geo("s_zepS")["pos"].toString(), "fixed");
    EXPECT_EQ(Geo("n_zepB")["pos"].toString(), "absolute");
    Js("window.scrollTo(0, 500)");
    EXPECT_EQ(Js("typeof window.onscroll").toString(), "object") << "no scroll handler is needed";
    EXPECT_EQ(Int("Math.round(geo('s_zepB').rect.top)"), 80);
    EXPECT_EQ(Int("Math.round(geo('n_zepB').rect.top)"), 80 - 500);

    Js("s.zepScroll('s', 0, 0)");
    EXPECT_EQ(Geo("s_zepB")["pos"].toString(), "absolute");
    EXPECT_EQ(Geo("s_zepS")["pos"].toString(), "absolute");
    EXPECT_EQ(Int("QEL.zep.zepscr[0]"), 0);
    EXPECT_EQ(Int("Math.round(geo('s_zepB').rect.top)"), 80 - 500);
    Js("s.zepScroll('s', 0, 1)");
    EXPECT_EQ(Geo("s_zepB")["pos"].toString(), "fixed");
}

TEST_F(RuntimeLocations, OldIeScrollHandlerMovesEachPopupToItsOwnPlace) {
    ASSERT_TRUE(Open("<div id=\"c_anchor\" style=\"position:absolute; left:120px; top:300px\">x</div>"
                     "<div style=\"height:3000px\"></div>"));
    // An IE 6 style browser: absolute boxes only, follow-scroll by a scroll handler.
    Js("QEL.zep.mie = true; QEL.zep.ie7p = false; QEL.zep.op = false");
    // The engine's own scroll events arrive later and at random moments; the
    // test sends its own, so keep the engine's from reaching the handlers.
    Js("window.addEventListener('scroll', function (e) { if (e.isTrusted) { e.stopImmediatePropagation(); } }, true);"
       "window.scrollAndTell = function (y) { window.scrollTo(0, y); window.dispatchEvent(new Event('scroll')); }");
    Js("buildPopup('a', {isScr: 1, pla: 0, zepx: 100, zepy: 80, zepw: 400, zeph: 300, bwh: 5});"
       "buildPopup('b', {isScr: 1, pla: 8, zepw: 400, zeph: 300, bwh: 5});"
       "buildPopup('c', {isScr: 1, pla: 10, zepx: 15, zepy: 25})");
    page.Advance(250);
    EXPECT_EQ(Geo("a_zepB")["pos"].toString(), "absolute");
    EXPECT_EQ(Js("window.onscroll").toString(), "") << "the page's own handler property stays free";
    Js("scrollAndTell(500)");
    EXPECT_EQ(Left("a_zepB"), 100);
    EXPECT_EQ(Top("a_zepB"), 580);
    EXPECT_EQ(Left("b_zepB"), 1000 - 410);
    EXPECT_EQ(Top("b_zepB"), 500 + 800 - 310);
    EXPECT_EQ(Left("c_zepB"), 135);
    EXPECT_EQ(Top("c_zepB"), 825);

    // While a drop-in or slide runs, the handler leaves the popups alone.
    Js("QEL.zep.drs = 1; scrollAndTell(600); QEL.zep.drs = 2");
    EXPECT_EQ(Top("a_zepB"), 580);

    // Turned off, the popup stays where it is on further scrolling.
    Js("a.zepScroll('a', 0, 0); scrollAndTell(700)");
    EXPECT_EQ(Top("a_zepB"), 580);
    EXPECT_EQ(Top("b_zepB"), 700 + 490);

    // Turned on again (as every drop-in and slide does), it keeps one handler.
    Js("a.zepScroll('a', 0, 1); a.zepScroll('a', 0, 1); window.calls = 0; var f = a.doscrzep;"
       "a.doscrzep = function (id) { calls++; f.call(a, id); }; scrollAndTell(700)");
    EXPECT_EQ(Int("calls"), 1);
    EXPECT_EQ(Top("a_zepB"), 780);
}

} // namespace
