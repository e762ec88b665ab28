#include "RuntimeTest.h"

namespace {

// Dragging by the title bar and the content, resizing by the grip, the edge
// band that ends a drag, and the same drags by one-finger touch. The popup sits
// at (100, 80) with inner size 300 x 200, border 5, padding 5 and a title bar,
// so its title bar covers page x 105..404, y 85..104 and its grip x 401..409, y 281..289.
class RuntimeDrag : public RuntimeTest {
protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        Js("buildPopup('p', {zepx: 100, zepy: 80, zepw: 300, zeph: 200, bwh: 5, cpad: 5, shs: 6, it9: 1, im5: 1, "
           "cnm: 1, ir9: 1}); QEL.zep.zepShow('p')");
        Js(TouchHelpers);
        page.Advance(250);
    }
    void Press(const QString& sId, int x, int y) {
        Js(QString("document.getElementById('%1').dispatchEvent(new MouseEvent('mousedown', "
                   "{clientX: %2, clientY: %3, bubbles: true, cancelable: true}))")
               .arg(sId)
               .arg(x)
               .arg(y));
    }
    // Moves the pointer and lets the 10 ms step run.
    void MoveTo(int x, int y) {
        Js(QString("mouseAt(%1, %2)").arg(x).arg(y));
        page.Advance(10);
    }
    void Release() { Js("mouseAt(0, 0, 'mouseup')"); }

    // Touch events with one or more fingers at page positions.
    static constexpr const char* TouchHelpers =
        "window.touchOn = function (type, target, points) {"
        "  var touches = points.map(function (pt, i) {"
        "    return new Touch({identifier: i + 1, target: target, clientX: pt[0], clientY: pt[1], pageX: pt[0],"
        "        pageY: pt[1]});"
        "  });"
        "  var ended = type == 'touchend';"
        "  return target.dispatchEvent(new TouchEvent(type, {touches: ended ? [] : touches,"
        "      targetTouches: ended ? [] : touches, changedTouches: touches, bubbles: true, cancelable: true}));"
        "};";
    QVariant Touch(const QString& sType, const QString& sTarget, const QString& sPoints) {
        return Js(QString("touchOn('%1', %2, %3)").arg(sType, sTarget, sPoints));
    }
};

TEST_F(RuntimeDrag, TitleBarDragMovesBoxAndShadowAndRecordsTheOffsets) {
    Press("p_zepT", 150, 90);
    EXPECT_EQ(Int("QEL.zep.nEl == 'p' && QEL.zep.moving"), 1);
    EXPECT_GT(Geo("p_zepB")["z"].toInt(), Geo("p_zepS")["z"].toInt());
    MoveTo(250, 190);
    EXPECT_EQ(Left("p_zepB"), 200);
    EXPECT_EQ(Top("p_zepB"), 180);
    EXPECT_EQ(Left("p_zepS"), 206);
    EXPECT_EQ(Top("p_zepS"), 186);
    EXPECT_EQ(Int("QEL.zep.delX.p"), 100);
    EXPECT_EQ(Int("QEL.zep.delY.p"), 100);
    MoveTo(300, 400);
    EXPECT_EQ(Left("p_zepB"), 250);
    EXPECT_EQ(Top("p_zepB"), 390);
    Release();
    EXPECT_EQ(Int("QEL.zep.moving"), 0);
    MoveTo(500, 500);
    EXPECT_EQ(Left("p_zepB"), 250);
    EXPECT_EQ(Int("p.pars.zepx"), 100) << "the stored location is kept; the drag lives in delX/delY";
}

TEST_F(RuntimeDrag, ContentDragMovesThePopupOnlyWhenEnabled) {
    Press("p_zepC", 200, 200);
    MoveTo(180, 150);
    EXPECT_EQ(Left("p_zepB"), 80);
    EXPECT_EQ(Top("p_zepB"), 30);
    Release();

    Js("buildPopup('q', {zepx: 500, zepy: 300, im5: 0, cnm: 0, ir9: 0})");
    Press("q_zepC", 550, 350);
    Press("q_zepT", 550, 310);
    MoveTo(600, 400);
    EXPECT_EQ(Int("QEL.zep.moving"), 0);
    EXPECT_EQ(Left("q_zepB"), 500);
    EXPECT_EQ(Js("document.getElementById('q_zepT').style.cursor").toString(), "");
    EXPECT_EQ(Js("document.getElementById('p_zepT').style.cursor").toString(), "move");
}

TEST_F(RuntimeDrag, GripResizesEveryElementButNotTheStoredSize) {
    Press("p_rsize", 402, 282);
    EXPECT_EQ(Int("QEL.zep.resizing"), 1);
    MoveTo(502, 382);
    EXPECT_EQ(Width("p_zepB"), 410);
    EXPECT_EQ(Height("p_zepB"), 310);
    EXPECT_EQ(Width("p_zepS"), 410);
    EXPECT_EQ(Height("p_zepS"), 310);
    EXPECT_EQ(Width("p_zepT"), 400);
    EXPECT_EQ(Width("p_zepC"), 390);
    EXPECT_EQ(Height("p_zepC"), 270);
    EXPECT_EQ(Left("p_rsize"), 401);
    EXPECT_EQ(Top("p_rsize"), 301);
    EXPECT_EQ(Left("p_close"), 385);
    EXPECT_EQ(Left("p_zepB"), 100) << "resizing does not move the box";

    // Far up and left: every element stops at its minimum.
    MoveTo(120, 100);
    EXPECT_EQ(Width("p_zepB"), 60);
    EXPECT_EQ(Height("p_zepB"), 60);
    EXPECT_EQ(Width("p_zepS"), 60);
    EXPECT_EQ(Height("p_zepS"), 60);
    EXPECT_EQ(Left("p_rsize"), 51);
    EXPECT_EQ(Top("p_rsize"), 51);
    EXPECT_EQ(Width("p_zepT"), 50);
    EXPECT_EQ(Width("p_zepC"), 40);
    EXPECT_EQ(Height("p_zepC"), 20);
    EXPECT_EQ(Left("p_close"), 35);
    Release();
    EXPECT_EQ(Int("p.pars.zepw"), 300);
    EXPECT_EQ(Int("p.pars.zeph"), 200);
}

TEST_F(RuntimeDrag, EdgeBandOfTheViewEndsTheDrag) {
    struct TEdge {
        int x, y;
        const char* sName;
    };
    // The band: x <= 10, y <= 5, x >= 1000 - 16, y >= 800 - 16.
    const TEdge edges[] = {{10, 300, "left"}, {500, 5, "top"}, {984, 300, "right"}, {500, 784, "bottom"}};
    for (const TEdge& edge : edges) {
        Js("QEL.zep.zepLocation('p', 100, 80, 0)");
        Press("p_zepT", 150, 90);
        MoveTo(edge.x + (edge.x == 10    ? 1
                         : edge.x == 984 ? -1
                                         : 0),
               edge.y + (edge.y == 5     ? 1
                         : edge.y == 784 ? -1
                                         : 0));
        EXPECT_EQ(Int("QEL.zep.moving"), 1) << "just inside the band at the " << edge.sName;
        MoveTo(edge.x, edge.y);
        EXPECT_EQ(Int("QEL.zep.moving"), 0) << edge.sName;
        EXPECT_EQ(Left("p_zepB"), edge.x - 50) << "the step scheduled before the band still runs: " << edge.sName;
        MoveTo(400, 400);
        EXPECT_EQ(Left("p_zepB"), edge.x - 50) << edge.sName;
        Release();
    }
}

TEST_F(RuntimeDrag, OneFingerTouchDragsAndResizes) {
    Touch("touchstart", "document.getElementById('p_zepTitle')", "[[150, 90]]");
    EXPECT_EQ(Int("QEL.zep.moving"), 1);
    EXPECT_FALSE(Touch("touchmove", "document.getElementById('p_zepTitle')", "[[250, 190]]").toBool())
        << "the move of a drag does not scroll the page";
    page.Advance(10);
    EXPECT_EQ(Left("p_zepB"), 200);
    EXPECT_EQ(Top("p_zepB"), 180);
    EXPECT_EQ(Left("p_zepS"), 206);
    Touch("touchend", "document.getElementById('p_zepTitle')", "[[250, 190]]");
    EXPECT_EQ(Int("QEL.zep.moving"), 0);
    EXPECT_TRUE(Touch("touchmove", "document.body", "[[400, 400]]").toBool());
    page.Advance(10);
    EXPECT_EQ(Left("p_zepB"), 200);

    // The grip, now at page (301 + 200, 201 + 180).
    Touch("touchstart", "document.getElementById('p_rsize')", "[[502, 382]]");
    EXPECT_EQ(Int("QEL.zep.resizing"), 1);
    Touch("touchmove", "document.getElementById('p_rsize')", "[[602, 432]]");
    page.Advance(10);
    EXPECT_EQ(Width("p_zepB"), 410);
    EXPECT_EQ(Height("p_zepB"), 260);
    Touch("touchend", "document.getElementById('p_rsize')", "[[602, 432]]");
    EXPECT_EQ(Int("QEL.zep.resizing"), 0);
}

TEST_F(RuntimeDrag, TouchesThatAreNotOneFingerOnAHandleDoNotDrag) {
    Touch("touchstart", "document.getElementById('p_zepT')", "[[150, 90], [170, 95]]");
    EXPECT_EQ(Int("QEL.zep.moving"), 0);
    Touch("touchstart", "document.body", "[[600, 600]]");
    EXPECT_EQ(Int("QEL.zep.moving + QEL.zep.resizing"), 0);

    // A second finger during a drag ends it.
    Touch("touchstart", "document.getElementById('p_zepT')", "[[150, 90]]");
    Touch("touchmove", "document.getElementById('p_zepT')", "[[160, 100], [300, 300]]");
    page.Advance(10);
    EXPECT_EQ(Int("QEL.zep.moving"), 0);
    EXPECT_EQ(Left("p_zepB"), 100);
}

} // namespace
