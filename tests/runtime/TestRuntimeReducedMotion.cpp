#include "RuntimeTest.h"

#include <QPoint>

namespace {

// When the visitor's browser asks for reduced motion, the moving effects put the
// popup where the movement would end at once, on the usual timing; fades still
// fade. Each case runs the effect once moving and once with reduced motion (the
// page's matchMedia answers the media query as such a browser does) and compares.
// The popup sits at (37, 137) and was dragged by (20, 30).
class RuntimeReducedMotion : public RuntimeTest {
protected:
    void OpenPage(bool bReduced) {
        ASSERT_TRUE(Open());
        if (bReduced) {
            Js("window.matchMedia = function (q) { return {matches: q == '(prefers-reduced-motion: reduce)'}; }");
        }
        Js("window.hideAt = -1; window.zepOnHide = function () { hideAt = fakeClock.now(); };"
           "buildPopup('p', {zepx: 37, zepy: 137, bng: 1}); QEL.zep.delX.p = 20; QEL.zep.delY.p = 30");
    }
    QPoint Box() { return {Left("p_zepB"), Top("p_zepB")}; }
    bool OutOfView() {
        const QVariantMap rect = Geo("p_zepB").value("rect").toMap();
        return rect["right"].toInt() <= 0 || rect["left"].toInt() >= 1000 || rect["bottom"].toInt() <= 0 ||
               rect["top"].toInt() >= 800;
    }
};

TEST_F(RuntimeReducedMotion, EntryEffectsShowAtTheirEndAtOnce) {
    for (const char* sCommand : {"zepDropin", "zepSlidein", "zepSlideInRight", "zepSlideup"}) {
        const QString sRun = QString("QEL.zep.%1('p'); QEL.zep.zepShow('p')").arg(sCommand);
        OpenPage(false);
        Js(sRun);
        page.Advance(5000);
        const QPoint end = Box();

        OpenPage(true);
        Js(sRun);
        page.Advance(199);
        EXPECT_EQ(Box(), QPoint(37, 137)) << sCommand << ": the effect starts after its usual 200 ms";
        page.Advance(1);
        EXPECT_EQ(Box(), end) << sCommand;
        page.Advance(50);
        EXPECT_EQ(Vis("p_zepB"), "visible") << sCommand;
        EXPECT_EQ(Trace("p_zepB", "top", 3000), QList<int>{end.y()}) << sCommand << ": no movement, no bounce";
        EXPECT_EQ(Box(), end) << sCommand;
    }
}

TEST_F(RuntimeReducedMotion, ExitSlidesLeaveTheViewAtOnceAndHideAtTheirUsualTime) {
    for (const char* sCommand : {"zepSlideout", "zepSlideOutLeft", "zepSlideUpTop", "zepSlideDownBottom"}) {
        const QString sRun = QString("QEL.zep.zepShow('p'); fakeClock.advance(300); window.t0 = fakeClock.now();"
                                     "QEL.zep.%1('p')")
                                 .arg(sCommand);
        OpenPage(false);
        Js(sRun);
        page.Advance(5000);
        const int iHideAfter = Int("hideAt - t0");
        const QPoint end = Box();
        ASSERT_GT(iHideAfter, 200) << sCommand;

        OpenPage(true);
        Js(sRun);
        page.Advance(200);
        EXPECT_TRUE(OutOfView()) << sCommand;
        EXPECT_EQ(Vis("p_zepB"), "visible") << sCommand;
        page.Advance(iHideAfter - 201);
        EXPECT_EQ(Int("hideAt"), -1) << sCommand;
        page.Advance(1);
        EXPECT_EQ(Int("hideAt - t0"), iHideAfter) << sCommand << ": zepOnHide and the hide at the usual time";
        EXPECT_EQ(Vis("p_zepB"), "hidden") << sCommand;
        EXPECT_EQ(Box(), end) << sCommand << ": back at the stored place";
    }
}

TEST_F(RuntimeReducedMotion, LeftTabOpensAndParksAtOnce) {
    OpenPage(true);
    Js("buildPopup('tab', {pla: 6, zepx: 40, zepw: 300, zeph: 200}); QEL.zep.zepShow('tab')");
    page.Advance(300);
    for (int iLeft : {0, -260, 0}) {
        Js("tab.toggleTab('tab')");
        page.Advance(200);
        EXPECT_EQ(Left("tab_zepB"), iLeft);
        EXPECT_EQ(Trace("tab_zepB", "left", 1000), QList<int>{iLeft});
        EXPECT_EQ(Vis("tab_zepB"), "visible");
    }
}

TEST_F(RuntimeReducedMotion, FadesKeepFading) {
    OpenPage(true);
    Js("QEL.zep.zepFadein('p')");
    page.Advance(15);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.02, 1e-6);
    page.Advance(2000);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.98, 1e-6);
}

} // namespace
