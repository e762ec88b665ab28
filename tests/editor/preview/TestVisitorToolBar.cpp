// The preview's tool bar in the editor started through its real start-up path.
#include "LoopWait.h"
#include "VisitorFixture.h"

#include "TPreviewPanel.h"
#include "TZEPInstance.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest/QTest>

namespace {

TEST_F(VisitorTest, EveryControlHasItsNameAndAPhoneIsATouchScreenOfItsSize) {
    Start([](TZEPInstance&) {});
    for (const char* sName : {"Skip delay", "New visit", "New session", "Next day", "Reset visitor", "Exit intent"}) {
        int iFound = 0;
        for (QPushButton* button : Panel->findChildren<QPushButton*>())
            iFound += button->accessibleName() == QLatin1String(sName);
        EXPECT_EQ(iFound, 1) << sName;
    }
    const QString sTouch = QStringLiteral("(navigator.maxTouchPoints>0)+' '+('ontouchstart' in window)+' '+"
                                          "matchMedia('(pointer: coarse)').matches");
    EXPECT_EQ(PreviewScript(sTouch), QStringLiteral("false false false"));
    ChooseDevice(QStringLiteral("Phone 360 x 640"));
    EXPECT_EQ(PreviewScript(QStringLiteral("innerWidth+'x'+innerHeight")), QStringLiteral("360x640"));
    EXPECT_EQ(PreviewScript(sTouch), QStringLiteral("true true true"));
    EXPECT_EQ(PreviewScript(QStringLiteral("!!document.querySelector('meta[name=viewport]')")), QStringLiteral("true"));
    EXPECT_EQ(QSettings(Env.StoreFile(), QSettings::IniFormat).value(QStringLiteral("PreviewDevice")).toString(),
              QStringLiteral("Phone 360 x 640"));
    EXPECT_EQ(Why(), QStringLiteral("Shown: opens when the page loads."));

    ChooseDevice(QStringLiteral("Desktop"));
    EXPECT_EQ(PreviewScript(sTouch), QStringLiteral("false false false"));
}

TEST_F(VisitorTest, AnEditShowsTheSameVisitAgainAndResetForgetsTheVisitor) {
    Start([](TZEPInstance& popup) { popup.bPerSession = 1; });
    Click(QStringLiteral("New visit"));
    EXPECT_EQ(Why(), QStringLiteral("Not shown: per session, already shown in this session."));
    Form->RefreshBtnClick();
    ASSERT_TRUE(WaitUntil([this] { return Form->StatusText() == QStringLiteral("Preview generated"); }, 30000));
    ASSERT_TRUE(WaitUntil([this] { return PreviewDecision() == QStringLiteral("not shown"); }, 5000))
        << "a refresh is the same page view: the session's cookie stays";
    Click(QStringLiteral("Reset visitor"));
    EXPECT_EQ(PreviewDecision(), QStringLiteral("shown"));
    EXPECT_EQ(Why(), QStringLiteral("Shown: opens when the page loads."));
}

} // namespace
