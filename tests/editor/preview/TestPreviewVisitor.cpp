#include "PreviewWhy.h"
#include "TPreviewVisitor.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

constexpr qint64 iT0 = 1'700'000'000'000;
constexpr qint64 iDay = TPreviewVisitor::iDayMs;

QJsonObject Json(const char* sText) {
    return QJsonDocument::fromJson(QByteArray(sText)).object();
}

QJsonObject Cookie(const QJsonValue& expires) {
    return QJsonObject{{QStringLiteral("value"), QStringLiteral("true")}, {QStringLiteral("expires"), expires}};
}

QJsonObject PageState(qint64 iNow, const QJsonObject& jar) {
    return QJsonObject{{QStringLiteral("now"), double(iNow)}, {QStringLiteral("jar"), jar}};
}

TEST(PreviewVisitorTest, VisitsKeepCookiesAndClockUntilSessionDayOrResetTakeThemAway) {
    TPreviewVisitor visitor(iT0);
    EXPECT_EQ(visitor.Current().iNumber, 1);
    const QJsonObject jar{{QStringLiteral("session"), Cookie(QJsonValue::Null)},
                          {QStringLiteral("week"), Cookie(double(iT0 + 7 * iDay))},
                          {QStringLiteral("hour"), Cookie(double(iT0 + iDay / 24))}};
    visitor.NewVisit(PageState(iT0 + 5000, jar));
    EXPECT_EQ(visitor.Current().iNumber, 2);
    EXPECT_EQ(visitor.Current().iStart, iT0 + 5000);
    EXPECT_EQ(visitor.Cookies(), jar);

    visitor.NewSession(PageState(iT0 + 6000, visitor.Cookies()));
    EXPECT_EQ(visitor.Cookies().keys(), (QStringList{QStringLiteral("hour"), QStringLiteral("week")}));

    visitor.NextDay(PageState(iT0 + 6 * iDay, visitor.Cookies()));
    EXPECT_EQ(visitor.Current().iStart, iT0 + 7 * iDay);
    EXPECT_TRUE(visitor.Cookies().isEmpty()) << "a cookie is gone the moment it expires";

    visitor.Reset(iT0 + 9);
    EXPECT_EQ(visitor.History().size(), 1);
    EXPECT_EQ(visitor.Current().iStart, iT0 + 9);
}

TEST(PreviewVisitorTest, EachVisitHasItsOwnFixedDrawsAndTheSeedCarriesThem) {
    const QList<double> first = TPreviewVisitor::Draws(1);
    EXPECT_EQ(first, TPreviewVisitor::Draws(1));
    EXPECT_NE(first, TPreviewVisitor::Draws(2));
    for (const double dDraw : first) {
        EXPECT_GE(dDraw, 0.0);
        EXPECT_LT(dDraw, 1.0);
    }
    const QJsonObject seed = TPreviewVisitor(iT0).Seed(true);
    EXPECT_EQ(seed.value(QStringLiteral("draws")).toArray().first().toDouble(), first.first());
    EXPECT_TRUE(seed.value(QStringLiteral("touch")).toBool());
    EXPECT_EQ(qint64(seed.value(QStringLiteral("start")).toDouble()), iT0);
}

struct TWhyCase {
    const char* sFacts;
    CPreviewTrigger Trigger;
    const char* sWhy;
};

class PreviewWhyTest : public ::testing::TestWithParam<TWhyCase> {};

TEST_P(PreviewWhyTest, SaysWhatTheRulesDecided) {
    // Visit 1 let the popup show; visit 2 comes two days later.
    TPreviewVisitor visitor(iT0);
    visitor.NoteShown(QStringLiteral("p"));
    visitor.NextDay(PageState(iT0 + iDay, {}));
    QJsonObject facts = Json(GetParam().sFacts);
    facts.insert(QStringLiteral("now"), double(iT0 + 2 * iDay + 60000));
    facts.insert(QStringLiteral("held"), QJsonObject{{QStringLiteral("p_sp"), Cookie(double(iT0 + 7 * iDay))}});
    EXPECT_EQ(WhyText(facts, GetParam().Trigger, QStringLiteral("p"), visitor), QLatin1String(GetParam().sWhy));
}

INSTANTIATE_TEST_SUITE_P(
    Decisions, PreviewWhyTest,
    ::testing::Values(
        TWhyCase{R"({"built":true,"drawn":true,"visible":true,"isc":0,"opening":{"delay":1000,"fired":true}})",
                 CPreviewTrigger::ptPage, "Shown: opens 1 s after the page loads."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":false,"isc":0,"opening":{"delay":30000,"fired":false}})",
                 CPreviewTrigger::ptPage, "Waiting: opens 30 s after the page loads (Skip delay)."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":true,"isc":0,"opening":null})", CPreviewTrigger::ptPage,
                 "Shown: opens when the page loads."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":false,"isc":0,"isex":1})", CPreviewTrigger::ptExit,
                 "Waiting: shows when the visitor is about to leave."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":false,"isc":0})", CPreviewTrigger::ptClick,
                 "Waiting: shows when the visitor clicks the link."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"rn":4,"draw":0.8371})", CPreviewTrigger::ptPage,
                 "Not shown: 25 % chance, this visit drew 83."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"rn":4,"draw":-1})", CPreviewTrigger::ptPage,
                 "Not shown: kept back on this page view by its own rules."},
        TWhyCase{R"({"built":true,"drawn":true,"isc":1,"issp":1,"plt":604800})", CPreviewTrigger::ptPage,
                 "Not shown: once per 7 days, shown on visit 1 two days ago; shows again in 5 days."},
        TWhyCase{R"({"built":true,"drawn":true,"isc":1,"oo7":1})", CPreviewTrigger::ptPage,
                 "Not shown: per session, already shown in this session."},
        TWhyCase{R"({"built":true,"drawn":true,"isc":1,"oo7":1,"pcc":1})", CPreviewTrigger::ptPage,
                 "Not shown: site-wide once per session, already shown in this session."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":false,"isc":0,"oo7":1,"pcc":1,"tro":5})",
                 CPreviewTrigger::ptPage, "Waiting: site-wide, opens when its countdown of 5 s ends (Skip delay)."},
        TWhyCase{R"({"built":true,"drawn":true,"isc":1})", CPreviewTrigger::ptPage,
                 "Not shown: the visitor chose not to see it again."},
        TWhyCase{R"({"built":true,"drawn":true,"visible":true,"isc":0,"rot":1,"layers":3,)"
                 R"("written":{"p_rotation":"2"}})",
                 CPreviewTrigger::ptPage, "Shown: opens when the page loads. Rotation: content 2 of 3."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"weekday","wd":"1111100","day":5}})",
                 CPreviewTrigger::ptPage, "Not shown: only on Mon-Fri, today is Saturday."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"weekday","wd":"1010111","day":1,)"
                 R"("tz":"Europe/Berlin"}})",
                 CPreviewTrigger::ptPage, "Not shown: only on Mon, Wed, Fri-Sun, today is Tuesday in Europe/Berlin."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"start","st":"2026-12-01 09:00",)"
                 R"("clock":"2026-12-01 08:59"}})",
                 CPreviewTrigger::ptPage, "Not shown: only from 2026-12-01 09:00, it is now 2026-12-01 08:59."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"end","en":"2026-12-31 00:00",)"
                 R"("clock":"2026-12-31 00:00"}})",
                 CPreviewTrigger::ptPage, "Not shown: only until 2026-12-31 00:00, it is now 2026-12-31 00:00."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"window","ft":"09:00","tt":"17:00",)"
                 R"("tz":"America/New_York","clock":"2026-12-09 17:00"}})",
                 CPreviewTrigger::ptPage,
                 "Not shown: only from 09:00 to 17:00 each day, it is now 17:00 in America/New_York."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"zone","tz":"Mars/Base"}})",
                 CPreviewTrigger::ptPage, "Not shown: this browser does not know the time zone Mars/Base."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"view","pv":3,"view":2}})",
                 CPreviewTrigger::ptPage, "Not shown: from page view 3, this is view 2."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"shows","ms":2,"md":7,"count":2}})",
                 CPreviewTrigger::ptPage, "Not shown: at most 2 shows in 7 days, shown twice in the last 7 days."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"kept":{"rule":"shows","ms":1,"md":1,"count":1}})",
                 CPreviewTrigger::ptPage, "Not shown: at most 1 show in 1 day, shown once in the last day."},
        // A popup that lost the page view's one place, and one its frequency
        // cookie kept out of the competition.
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"lost":true,"rn":4,"draw":0.1})", CPreviewTrigger::ptPage,
                 "Not shown: another popup has a higher priority on this page view."},
        TWhyCase{R"({"built":true,"drawn":false,"isc":1,"lost":true,"issp":1,"plt":604800})", CPreviewTrigger::ptPage,
                 "Not shown: once per 7 days, shown on visit 1 two days ago; shows again in 5 days."}));

} // namespace
