#include "RuntimeTest.h"

namespace {

class RuntimeEffects : public RuntimeTest {};

TEST_F(RuntimeEffects, DropInLandsExactlyOnTargetWithAndWithoutBounce) {
    Js("buildPopup('p', {zepx: 100, zepy: 137, zeph: 200, bwh: 5, bng: 0});"
       "QEL.zep.zepDropin('p'); QEL.zep.zepShow('p')");
    EXPECT_EQ(Int("QEL.zep.drs"), 1);
    const QList<int> tops = Trace("p_zepB", "top", 2000);
    ASSERT_GE(tops.size(), 3);
    EXPECT_EQ(tops.first(), 137) << "built at its place";
    EXPECT_EQ(tops[1], -100 + 7 - 210 + 10) << "first step starts above the view with the same remainder";
    for (int i = 2; i < tops.size(); ++i) {
        EXPECT_EQ(tops[i] - tops[i - 1], 10);
    }
    EXPECT_EQ(tops.last(), 137);
    EXPECT_EQ(Int("QEL.zep.drs"), 2);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    EXPECT_EQ(Geo("p_zepS")["top"].toInt(), 137 + 6);

    Js("buildPopup('b', {zepx: 100, zepy: 137, bng: 1}); QEL.zep.zepDropin('b')");
    const QList<int> bounce = Trace("b_zepB", "top", 3000);
    const QList<int> landing = bounce.mid(bounce.lastIndexOf(137, bounce.size() - 10 > 0 ? bounce.size() - 9 : 0));
    EXPECT_EQ(bounce.mid(bounce.size() - 9), (QList<int>{137, 97, 137, 107, 137, 117, 137, 127, 137}));
}

TEST_F(RuntimeEffects, SlidesStartOutsideTheViewAndEndOnTheirTargets) {
    Js("buildPopup('p', {zepx: 37, zepy: 137, zepw: 300, zeph: 200, bwh: 5})");
    Js("QEL.zep.zepSlidein('p'); QEL.zep.zepShow('p')");
    QList<int> lefts = Trace("p_zepB", "left", 1500);
    EXPECT_EQ(lefts[1], -310 + 7 - 100);
    EXPECT_EQ(lefts.last(), 37);
    EXPECT_EQ(Int("QEL.zep.drs"), 2);

    Js("QEL.zep.zepSlideInRight('p')");
    lefts = Trace("p_zepB", "left", 2500);
    EXPECT_EQ(lefts[1], 1000 + 310 + 7 + 100);
    EXPECT_EQ(lefts.last(), 37);

    Js("QEL.zep.zepSlideup('p')");
    QList<int> tops = Trace("p_zepB", "top", 2500);
    EXPECT_EQ(tops[1], 100 + 7 + 1010);
    EXPECT_EQ(tops.last(), 137);
    EXPECT_EQ(Geo("p_zepB")["left"].toInt(), 37);
    EXPECT_EQ(Vis("p_zepB"), "visible");
}

TEST_F(RuntimeEffects, ExitSlidesLeaveTheViewHideAndReturnToTheStoredPlace) {
    Js("window.hides = 0; window.zepOnHide = function () { hides++; };"
       "buildPopup('p', {zepx: 37, zepy: 137, zepw: 300, zeph: 200}); QEL.zep.zepShow('p')");
    page.Advance(300);

    Js("QEL.zep.zepSlideout('p')");
    QList<int> lefts = Trace("p_zepB", "left", 2500);
    EXPECT_GT(lefts[lefts.size() - 2], 1100);
    EXPECT_EQ(lefts.last(), 37);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    EXPECT_EQ(Int("hides"), 1);

    Js("QEL.zep.zepShow('p'); QEL.zep.zepSlideOutLeft('p')");
    lefts = Trace("p_zepB", "left", 2500);
    EXPECT_LE(lefts[lefts.size() - 2], -400);
    EXPECT_EQ(lefts.last(), 37);
    EXPECT_EQ(Vis("p_zepB"), "hidden");

    Js("QEL.zep.zepShow('p'); QEL.zep.zepSlideDownBottom('p')");
    QList<int> tops = Trace("p_zepB", "top", 2500);
    EXPECT_GE(tops[tops.size() - 2], 900);
    EXPECT_LT(tops[tops.size() - 2], 910);
    EXPECT_EQ(tops.last(), 137);
    EXPECT_EQ(Vis("p_zepB"), "hidden");

    Js("QEL.zep.zepShow('p'); QEL.zep.zepSlideUpTop('p')");
    tops = Trace("p_zepB", "top", 2500);
    EXPECT_LE(tops[tops.size() - 2], -300);
    EXPECT_GT(tops[tops.size() - 2], -310);
    EXPECT_EQ(tops.last(), 137);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    EXPECT_EQ(Int("hides"), 4);
}

TEST_F(RuntimeEffects, LeftTabParksSlidesInAndToggles) {
    Js("buildPopup('tab', {pla: 6, zepx: 40, zepw: 300, zeph: 200}); QEL.zep.zepShow('tab')");
    page.Advance(300);
    EXPECT_EQ(Geo("tab_zepB")["left"].toInt(), -260);
    EXPECT_EQ(Geo("tab_zepB")["top"].toInt(), 0);

    Js("QEL.zep.zepSlidein('tab')");
    QList<int> lefts = Trace("tab_zepB", "left", 1000);
    EXPECT_EQ(lefts.last(), 0);

    Js("QEL.zep.zepSlideOutLeft('tab')");
    lefts = Trace("tab_zepB", "left", 1000);
    EXPECT_EQ(lefts.last(), -260);
    EXPECT_EQ(Vis("tab_zepB"), "visible") << "a parked tab stays visible";

    Js("tab.toggleTab('tab')");
    page.Advance(1000);
    EXPECT_EQ(Geo("tab_zepB")["left"].toInt(), 0);
    Js("tab.toggleTab('tab')");
    page.Advance(1000);
    EXPECT_EQ(Geo("tab_zepB")["left"].toInt(), -260);
}

TEST_F(RuntimeEffects, FadeInEndsAt98WithShadowAt29Point4) {
    Js("buildPopup('p', {}); QEL.zep.zepFadein('p')");
    EXPECT_DOUBLE_EQ(Geo("p_zepB")["op"].toDouble(), 0.0);
    page.Advance(15);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.02, 1e-6);
    page.Advance(2000);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.98, 1e-6);
    EXPECT_NEAR(Geo("p_zepS")["op"].toDouble(), 0.294, 1e-6);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    EXPECT_EQ(Js("document.getElementById('p_zepB').style.MozOpacity").toString(), "0.98");

    Js("QEL.zep.zepShow('p')");
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 1.0, 1e-6);
    EXPECT_NEAR(Geo("p_zepS")["op"].toDouble(), 0.3, 1e-6);
}

TEST_F(RuntimeEffects, FadeOutOfAHiddenPopupShowsItFadesAndHides) {
    Js("window.hides = 0; window.zepOnHide = function () { hides++; }; buildPopup('p', {})");
    Js("QEL.zep.zepFadeout('p')");
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.99, 1e-6);
    page.Advance(5);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.97, 1e-6);
    page.Advance(240);
    EXPECT_NEAR(Geo("p_zepB")["op"].toDouble(), 0.01, 1e-6);
    EXPECT_NEAR(Geo("p_zepS")["op"].toDouble(), 0.003, 1e-6);
    page.Advance(1000);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    EXPECT_EQ(Int("hides"), 1);
}

TEST_F(RuntimeEffects, StartingAFadeStopsTheOtherOne) {
    Js("buildPopup('a', {}); buildPopup('b', {}); QEL.zep.zepFadein('a')");
    page.Advance(150);
    const double dA = Geo("a_zepB")["op"].toDouble();
    Js("QEL.zep.zepFadein('b')");
    page.Advance(2000);
    EXPECT_NEAR(Geo("a_zepB")["op"].toDouble(), dA, 1e-6);
    EXPECT_LT(dA, 0.5);
    EXPECT_NEAR(Geo("b_zepB")["op"].toDouble(), 0.98, 1e-6);
}

TEST_F(RuntimeEffects, TimerRunsBothPairsAtTheirDelaysAndASecondCallCancelsTheFirst) {
    Js("window.calls = []; window.cmd = {};"
       "['a', 'b', 'c', 'd'].forEach(function (n) {"
       "  cmd[n] = function (id) { calls.push(n + ':' + id + '@' + fakeClock.now()); }; });"
       "buildPopup('p', {})");
    Js("p.zepTimer('p', 'cmd.a', 'cmd.b', 'cmd.c', 'cmd.d', 5, 10)");
    page.Advance(20000);
    EXPECT_EQ(Js("calls.join(' ')").toString(), "a:p@5000 b:p@5000 c:p@15000 d:p@15000");

    Js("calls = []; var t0 = fakeClock.now(); p.zepTimer('p', '', '', 'cmd.c', '', '', 10)");
    page.Advance(20000);
    EXPECT_EQ(Js("calls.length + ' ' + (parseInt(calls[0].split('@')[1], 10) - t0)").toString(), "1 10000");

    Js("calls = []; p.zepTimer('p', 'cmd.a', '', 'cmd.c', '', 5, 10)");
    page.Advance(3000);
    Js("p.zepTimer('p', '', 'cmd.b', '', '', 1, '')");
    page.Advance(30000);
    EXPECT_EQ(Js("calls.map(function (c) { return c.split(':')[0]; }).join(' ')").toString(), "b");

    Js("calls = []; p.zepTimer('p', 'no.such.path', 'cmd.a', 'window', '', 0, 0)");
    page.Advance(10);
    EXPECT_EQ(Int("calls.length"), 1);

    // A failing command and a hide leave the other command of their pair running.
    Js("calls = []; cmd.boom = function () { throw new Error('boom'); };"
       "p.zepTimer('p', 'cmd.boom', 'cmd.a', 'QEL.zep.zepHide', 'cmd.d', 0, 1)");
    page.Advance(2000);
    EXPECT_EQ(Js("calls.map(function (c) { return c.split(':')[0]; }).join(' ')").toString(), "a d");
    EXPECT_EQ(page.Errors().size(), 1);
    Js("fakeClock.errors = []");
}

TEST_F(RuntimeEffects, TimerCommandsShowAndHideThePopupWithoutEval) {
    Js("buildPopup('p', {}); p.zepTimer('p', 'QEL.zep.zepFadein', '', 'QEL.zep.zepHide', '', 2, 3)");
    page.Advance(2000);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    page.Advance(250);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    page.Advance(2750);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
}

TEST_F(RuntimeEffects, ClosedPopupDoesNotReappearForItsPendingTimedExit) {
    Js("buildPopup('p', {cc6: 1}); p.zepTimer('p', 'QEL.zep.zepFadein', '', 'QEL.zep.zepFadeout', '', 0, 10)");
    page.Advance(3000);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    Js("document.getElementById('p_close').click()");
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    const QStringList states = page.Run("trace('p_zepB', 'vis', 15000, 5)").toStringList();
    EXPECT_EQ(states, QStringList{"hidden"});
}

} // namespace
