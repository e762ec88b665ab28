// When a popup may show: schedules read on the visitor's clock or in a zone,
// page views, show limits and one popup per page view. This program runs with
// the browser's clock in Tokyo (UTC+9, no summer time), so a rule read on the
// wrong clock fails.

#include "RuntimeTest.h"

#include "TScriptForm.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>

namespace {

// Set before the application starts the browser engine, whose processes inherit it.
const bool bTokyoClock = qputenv("TZ", "Asia/Tokyo");

class RuntimeSchedule : public RuntimeTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(bTokyoClock);
        RuntimeTest::SetUp();
    }
    // Moves the page's calendar to an instant written in ISO form with its offset.
    void At(const QString& sInstant) { Js("fakeClock.setTime(Date.parse('" + sInstant + "'))"); }
    // Builds the popup and answers isc: 0 when it may show, 1 when it is kept back.
    int Build(const QString& sUid, const QString& sParameters) {
        return Int(QString("buildPopup('%1', {%2})").arg(sUid, sParameters));
    }
    bool Built(const QString& sUid) { return Js("!!document.getElementById('" + sUid + "_zepB')").toBool(); }
    QString Cookie(const QString& sName) {
        return Str("(document.cookie.match(/(^|; )" + sName + "=([^;]*)/) || [])[2] || ''");
    }
};

struct TMomentCase {
    const char* sRule;
    const char* sInstant;
    int iKept;
};

const TMomentCase aMoments[] = {
    // From the start (inclusive) until the end (exclusive), on the visitor's clock.
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-11-30T23:59:00+09:00", 1},
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-12-01T00:00:00+09:00", 0},
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-12-01T00:01:00+09:00", 0},
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-12-30T23:59:00+09:00", 0},
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-12-31T00:00:00+09:00", 1},
    {"st:'2026-12-01 00:00',en:'2026-12-31 00:00'", "2026-12-31T00:01:00+09:00", 1},
    // Monday to Friday: Saturday 5 December hidden, Monday 7 December shown.
    {"wd:'1111100'", "2026-12-05T12:00:00+09:00", 1},
    {"wd:'1111100'", "2026-12-07T12:00:00+09:00", 0},
    // A daily window, its end left out.
    {"ft:'09:00',tt:'17:00'", "2026-12-07T08:59:00+09:00", 1},
    {"ft:'09:00',tt:'17:00'", "2026-12-07T09:00:00+09:00", 0},
    {"ft:'09:00',tt:'17:00'", "2026-12-07T16:59:00+09:00", 0},
    {"ft:'09:00',tt:'17:00'", "2026-12-07T17:00:00+09:00", 1},
    // Over midnight on weekdays: the window belongs to the day it starts.
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-04T23:00:00+09:00", 0},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-05T01:00:00+09:00", 0},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-05T02:00:00+09:00", 1},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-05T23:00:00+09:00", 1},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-07T01:00:00+09:00", 1},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-07T12:00:00+09:00", 1},
    {"wd:'1111100',ft:'22:00',tt:'02:00'", "2026-12-07T22:00:00+09:00", 0},
    // Read in New York: 09:00 there is 14:00 UTC (23:00 in Tokyo).
    {"ft:'09:00',tt:'17:00',tz:'America/New_York'", "2026-12-07T13:59:00Z", 1},
    {"ft:'09:00',tt:'17:00',tz:'America/New_York'", "2026-12-07T14:00:00Z", 0},
    {"st:'2026-12-01 09:00',tz:'America/New_York'", "2026-12-01T13:59:00Z", 1},
    {"st:'2026-12-01 09:00',tz:'America/New_York'", "2026-12-01T14:00:00Z", 0},
    {"wd:'0000001',tz:'America/New_York'", "2026-12-07T04:00:00Z", 0},
    // A zone the browser does not know keeps the popup back.
    {"tz:'Mars/Olympus'", "2026-12-07T12:00:00+09:00", 1},
};

TEST_F(RuntimeSchedule, ScheduleDecidesAtTheBuildAndAKeptPopupIsNotBuilt) {
    ASSERT_EQ(Int("new Date(Date.parse('2026-12-07T00:00:00Z')).getHours()"), 9) << "the browser's clock is Tokyo's";
    int i = 0;
    for (const TMomentCase& moment : aMoments) {
        const QString sUid = QString("p%1").arg(i++);
        At(moment.sInstant);
        EXPECT_EQ(Build(sUid, QString("lim: {%1}").arg(moment.sRule)), moment.iKept)
            << moment.sRule << " at " << moment.sInstant;
        EXPECT_EQ(Built(sUid), moment.iKept == 0) << moment.sRule << " at " << moment.sInstant;
    }
}

TEST_F(RuntimeSchedule, PageViewsCountAcrossThePagesOfTheSiteOncePerView) {
    for (int iView = 1; iView <= 3; ++iView) {
        if (iView > 1) {
            ASSERT_TRUE(Open());
        }
        EXPECT_EQ(Build("third", "lim: {pv: 3}"), iView < 3 ? 1 : 0) << "view " << iView;
        EXPECT_EQ(Build("also", "lim: {pv: 2}"), iView < 2 ? 1 : 0) << "view " << iView;
        EXPECT_EQ(Cookie("zepPageViews"), QString::number(iView));
    }
}

TEST_F(RuntimeSchedule, AtMostTwoShowsInSevenDaysCountsTheShowsAndSlides) {
    const QString sStart = "Date.parse('2026-12-07T12:00:00+09:00')";
    for (int iView = 1; iView <= 4; ++iView) {
        if (iView > 1) {
            ASSERT_TRUE(Open());
        }
        // Views 1 to 3 a minute apart; view 4 seven days after the first show.
        Js("fakeClock.setTime(" + sStart + " + " + QString::number(iView < 4 ? (iView - 1) * 60000 : 7 * 86400000) +
           ")");
        const int iKept = Build("lim", "lim: {ms: 2, md: 7}");
        EXPECT_EQ(iKept, iView == 3 ? 1 : 0) << "view " << iView;
        if (iKept == 0)
            Js("QEL.zep.zepShow('lim')");
    }
    // A popup allowed but never shown uses up nothing.
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("link", "lim: {ms: 1, md: 7}"), 0);
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("link", "lim: {ms: 1, md: 7}"), 0);
}

TEST_F(RuntimeSchedule, PageViewRuleComesBeforeTheSessionRuleAndWritesNoCookieWhileKeptBack) {
    EXPECT_EQ(Build("s", "oo7: 1, lim: {pv: 2}"), 1);
    EXPECT_EQ(Cookie("s_s"), "");
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("s", "oo7: 1, lim: {pv: 2}"), 0);
    EXPECT_EQ(Cookie("s_s"), "true");
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("s", "oo7: 1, lim: {pv: 2}"), 1);
}

TEST_F(RuntimeSchedule, OnePopupPerPageViewShowsTheHighestPriorityFirstOfEquals) {
    Js("makePopup('a', {oo7: 1}); makePopup('b', {}); makePopup('c', {});"
       "QEL.zep.zepOnePerPage([[a, 1], [b, 5], [c, 5]])");
    EXPECT_EQ(Int("a.zep('a', 'A', 'A')"), 1);
    EXPECT_EQ(Int("b.zep('b', 'B', 'B')"), 0);
    EXPECT_EQ(Int("c.zep('c', 'C', 'C')"), 1);
    EXPECT_FALSE(Built("a"));
    EXPECT_FALSE(Built("c"));
    EXPECT_EQ(Cookie("a_s"), "") << "a popup that lost writes no frequency cookie";
}

TEST_F(RuntimeSchedule, APopupKeptBackByItsOwnRulesDoesNotCompete) {
    // b: outside its schedule; c: already shown this session; d: loses its one draw.
    At("2026-12-05T12:00:00+09:00");
    Js("document.cookie = 'c_s=true; path=/';"
       "var draws = [0.99]; Math.random = function () { return draws.length ? draws.shift() : 0; };"
       "makePopup('a', {}); makePopup('b', {lim: {wd: '1111100'}}); makePopup('c', {oo7: 1});"
       "makePopup('d', {rn: 2}); QEL.zep.zepOnePerPage([[d, 7], [a, 0], [b, 9], [c, 8]])");
    EXPECT_EQ(Int("b.zep('b', 'B', 'B')"), 1);
    EXPECT_EQ(Int("c.zep('c', 'C', 'C')"), 1);
    EXPECT_EQ(Int("d.zep('d', 'D', 'D')"), 1) << "the draw is made once per page view";
    EXPECT_EQ(Int("a.zep('a', 'A', 'A')"), 0);
}

// The linking script the compiler writes for three popups that show by
// themselves, one of them with a schedule and a page-view rule: the modal one
// has the highest priority and is the one popup of the page view.
TEST_F(RuntimeSchedule, GeneratedLinkingScriptShowsOnlyThePopupWithTheHighestPriority) {
    QFile expected(QStringLiteral(BRISOLA_TEST_DATA_DIR "/compile/one-per-page/expected/site.js"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    TScriptForm script;
    QString sScript = QString::fromUtf8(expected.readAll());
    sScript.replace("@HEADER@", script.GetListWithScriptHeader().join("\r\n"));
    sScript.replace("@GATE1@", script.WriteDetectScriptMemo.value(0));
    const QDir folder(page.Folder());
    ASSERT_TRUE(WriteTextFileWhole(folder.filePath("site.js"), sScript));
    ASSERT_TRUE(WriteTextFileWhole(folder.filePath("content.js"),
                                   "var zep_first = 'First', zep_leave = 'Leave', zep_veil = 'Veil';"));
    ASSERT_TRUE(Open("<script src=\"content.js\"></script><script src=\"site.js\"></script>"));
    page.Advance(300);
    EXPECT_FALSE(Built("first"));
    EXPECT_FALSE(Built("leave"));
    EXPECT_EQ(Vis("veil_zepB"), "visible");
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    EXPECT_EQ(Cookie("zepPageViews"), "1") << "the first popup counts the view although it lost";
}

} // namespace
