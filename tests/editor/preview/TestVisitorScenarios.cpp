// The visitor played through the preview's own tool bar, each step checked
// against the same visit in a real browser page of the compiled project.
#include "LoopWait.h"
#include "VisitorFixture.h"

#include "TPreviewVisitor.h"
#include "TZEPInstance.h"

#include <QtTest/QTest>

namespace {

// One step of a scenario: the button pressed (none for the first page view),
// the decision the rules make and the "Why:" text that explains it.
struct TStep {
    const char* sButton;
    const char* sDecision;
    const char* sWhy;
};

class VisitorScenarioTest : public VisitorTest {
protected:
    // Plays the steps in the preview and on the real page, one after the other.
    void Play(const QList<TStep>& steps) {
        TRealVisitor real(Folder());
        int iStep = 0;
        for (const TStep& step : steps) {
            const QString sButton = QLatin1String(step.sButton);
            if (!sButton.isEmpty())
                Click(sButton);
            if (sButton.isEmpty() || sButton == QLatin1String("New visit")) {
                ASSERT_TRUE(real.Visit());
            } else if (sButton == QLatin1String("New session")) {
                real.EndSession();
                ASSERT_TRUE(real.Visit());
            } else if (sButton == QLatin1String("Next day")) {
                real.PassDay();
                ASSERT_TRUE(real.Visit());
            }
            EXPECT_EQ(PreviewDecision(), QLatin1String(step.sDecision)) << "step " << iStep;
            EXPECT_EQ(real.Run(sDecisionScript).toString(), QLatin1String(step.sDecision)) << "step " << iStep;
            EXPECT_EQ(Why(), QLatin1String(step.sWhy)) << "step " << iStep;
            ++iStep;
        }
    }
};

TEST_F(VisitorScenarioTest, OncePerSevenDaysShowsOnVisitOneAndAgainAWeekLater) {
    Start([](TZEPInstance& popup) {
        popup.bOncePer = 1;
        popup.iNunberDays = 7;
    });
    QList<TStep> steps{
        {"", "shown", "Shown: opens when the page loads."},
        {"New visit", "not shown", "Not shown: once per 7 days, shown on visit 1 today; shows again in 7 days."}};
    const char* const later[] = {"Not shown: once per 7 days, shown on visit 1 one day ago; shows again in 6 days.",
                                 "Not shown: once per 7 days, shown on visit 1 two days ago; shows again in 5 days.",
                                 "Not shown: once per 7 days, shown on visit 1 three days ago; shows again in 4 days.",
                                 "Not shown: once per 7 days, shown on visit 1 four days ago; shows again in 3 days.",
                                 "Not shown: once per 7 days, shown on visit 1 five days ago; shows again in 2 days.",
                                 "Not shown: once per 7 days, shown on visit 1 six days ago; shows again in 1 day."};
    for (const char* sWhy : later)
        steps.append({"Next day", "not shown", sWhy});
    steps.append({"Next day", "shown", "Shown: opens when the page loads."});
    Play(steps);
}

TEST_F(VisitorScenarioTest, PerSessionWaitsForANewSession) {
    Start([](TZEPInstance& popup) { popup.bPerSession = 1; });
    Play({{"", "shown", "Shown: opens when the page loads."},
          {"New visit", "not shown", "Not shown: per session, already shown in this session."},
          {"New session", "shown", "Shown: opens when the page loads."}});
}

TEST_F(VisitorScenarioTest, ProbabilityFollowsTheVisitsFixedDraws) {
    Start([](TZEPInstance& popup) {
        popup.bControlProbablility = 1;
        popup.iProbabilityPercent = 25;
    });
    QList<TStep> steps;
    QList<QByteArray> texts;
    for (int iVisit = 1; iVisit <= 4; ++iVisit) {
        const double dDraw = TPreviewVisitor::Draws(iVisit).first();
        const bool bShown = int(dDraw * 4) == 0;
        texts.append(bShown ? QByteArray("Shown: opens when the page loads.")
                            : "Not shown: 25 % chance, this visit drew " + QByteArray::number(int(dDraw * 100)) + '.');
    }
    for (int i = 0; i < texts.size(); ++i) {
        const bool bShown = texts[i].startsWith("Shown");
        steps.append({i == 0 ? "" : "New visit", bShown ? "shown" : "not shown", texts[i].constData()});
    }
    Play(steps);
}

TEST_F(VisitorScenarioTest, RotationChoosesTheSameContentAsTheRealPageOnEachVisit) {
    Start([](TZEPInstance& popup) { popup.bRotationMode = 1; });
    TRealVisitor real(Folder());
    // The content the rotation chose, as the runtime keeps it for the next view.
    const QString sChosen = QStringLiteral("(document.cookie.match(/promo_rotation=(\\d+)/) || [])[1]");
    for (int iVisit = 1; iVisit <= 3; ++iVisit) {
        if (iVisit > 1)
            Click(QStringLiteral("New visit"));
        ASSERT_TRUE(real.Visit());
        EXPECT_EQ(PreviewScript(sChosen), real.Run(sChosen).toString()) << "visit " << iVisit;
        EXPECT_EQ(Why(), QStringLiteral("Shown: opens when the page loads. Rotation: content 1 of 1."));
    }
}

TEST_F(VisitorScenarioTest, ThirtySecondsDelayIsSkippedAtOnce) {
    Start([](TZEPInstance& popup) {
        popup.bOpenAfterSelected = 1;
        popup.iOpenAfterDelay = 30;
    });
    TRealVisitor real(Folder());
    ASSERT_TRUE(real.Visit());
    EXPECT_EQ(Why(), QStringLiteral("Waiting: opens 30 s after the page loads (Skip delay)."));
    EXPECT_FALSE(PreviewVisible(300));
    Click(QStringLiteral("Skip delay"));
    real.Advance(30000 + 3000);
    EXPECT_TRUE(PreviewVisible());
    EXPECT_TRUE(real.Run(sVisibleScript).toBool());
    EXPECT_EQ(Why(), QStringLiteral("Shown: opens 30 s after the page loads."));
}

TEST_F(VisitorScenarioTest, PageViewsAndShowLimitSayWhichRuleKeptThePopupBack) {
    Start([](TZEPInstance& popup) {
        popup.Schedule.iAfterPageViews = 2;
        popup.Schedule.iMaxShows = 1;
        popup.Schedule.iMaxShowsDays = 2;
    });
    Play({{"", "not shown", "Not shown: from page view 2, this is view 1."},
          {"New visit", "shown", "Shown: opens when the page loads."},
          {"New visit", "not shown", "Not shown: at most 1 show in 2 days, shown once in the last 2 days."},
          {"Next day", "not shown", "Not shown: at most 1 show in 2 days, shown once in the last 2 days."}});
}

TEST_F(VisitorScenarioTest, ScheduleNamesThePartThatKeptThePopupBack) {
    Start([](TZEPInstance& popup) {
        popup.Schedule.bScheduleSelected = 1;
        popup.Schedule.sStartDate = QStringLiteral("2099-01-01");
        popup.Schedule.sStartTime = QStringLiteral("09:30");
    });
    TRealVisitor real(Folder());
    ASSERT_TRUE(real.Visit());
    EXPECT_EQ(PreviewDecision(), QStringLiteral("not shown"));
    EXPECT_EQ(real.Run(sDecisionScript).toString(), QStringLiteral("not shown"));
    EXPECT_TRUE(Why().startsWith(QStringLiteral("Not shown: only from 2099-01-01 09:30, it is now 20")))
        << Why().toStdString();
}

TEST_F(VisitorScenarioTest, OnExitOpensWhenTheVisitorLeaves) {
    Start([](TZEPInstance& popup) { popup.bOnExit = 1; });
    TRealVisitor real(Folder());
    ASSERT_TRUE(real.Visit());
    EXPECT_EQ(Why(), QStringLiteral("Waiting: shows when the visitor is about to leave."));
    // The page watches for the visitor leaving from a second after it loads.
    LetTimePass(1500);
    real.Advance(1500);
    Click(QStringLiteral("Exit intent"));
    real.Leave();
    real.Advance(3000);
    EXPECT_TRUE(PreviewVisible());
    EXPECT_TRUE(real.Run(sVisibleScript).toBool());
    EXPECT_TRUE(
        WaitUntil([this] { return Why() == QStringLiteral("Shown: shows when the visitor is about to leave."); }, 3000))
        << Why().toStdString();
}

TEST_F(VisitorScenarioTest, SiteWideOncePerSessionAcrossTwoPages) {
    Start([](TZEPInstance& popup) {
        popup.bPerSession = 1;
        popup.bSiteWide = 1;
        popup.iTryOnce = 2;
        popup.iCloseAfterDelay = 60;
    });
    TRealVisitor real(Folder());
    ASSERT_TRUE(real.Visit());
    EXPECT_EQ(Why(), QStringLiteral("Waiting: site-wide, opens when its countdown of 2 s ends (Skip delay)."));
    for (int i = 0; i < 4 && !PreviewVisible(100); ++i)
        Click(QStringLiteral("Skip delay"));
    EXPECT_TRUE(PreviewVisible());
    // The real page's countdown cookie runs out by the real clock.
    LetTimePass(2500);
    real.Advance(5000);
    EXPECT_TRUE(real.Run(sVisibleScript).toBool());

    Click(QStringLiteral("New visit"));
    ASSERT_TRUE(real.Visit());
    EXPECT_EQ(PreviewDecision(), QStringLiteral("not shown"));
    EXPECT_EQ(real.Run(sDecisionScript).toString(), QStringLiteral("not shown"));
    EXPECT_EQ(Why(), QStringLiteral("Not shown: site-wide once per session, already shown in this session."));
}

} // namespace
