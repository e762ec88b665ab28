#include "EditorTestEnvironment.h"

#include "LoopWait.h"
#include "TSplashForm.h"
#include "TVersionTexts.h"

#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TEST(VersionTextsTest, AboutLineSplitsOffTheBuild) {
    EXPECT_EQ(AboutVersionLine(QStringLiteral("4.0.2.80")), QStringLiteral("Version: 4.0.2,   Build 80"));
    EXPECT_EQ(AboutVersionLine(QStringLiteral("4.0")), QStringLiteral("Version: 4.0,   "));
    EXPECT_EQ(AboutVersionLine(QStringLiteral("1.2.3.4")), QStringLiteral("Version: 1.2,   Build 3.4"));
    EXPECT_EQ(AboutVersionLine(QString()), QStringLiteral("Version: ,   "));
}

TEST(VersionTextsTest, LongVersionAndTitleBase) {
    EXPECT_EQ(LongVersionString(QStringLiteral("4.0.2.80")), QStringLiteral("004000002080"));
    EXPECT_EQ(LongVersionString(QStringLiteral("4.x")), QStringLiteral("004000000000"));
    EXPECT_EQ(TitleBase(QStringLiteral("Brisola"), QStringLiteral("4.0")), QStringLiteral("Brisola - V4.0"));
}

TEST(SplashFormTest, StartsTheMainProgramAfterTheDelayThenFadesOut) {
    TFakeClock clock;
    TSplashForm splash(clock);
    QSignalSpy started(&splash, &TSplashForm::StartMainProgram);
    splash.SetDelay(30);
    splash.show();
    EXPECT_FALSE(splash.bStartMainProgram);
    ASSERT_TRUE(started.wait(2000));
    EXPECT_TRUE(splash.bStartMainProgram);
    EXPECT_TRUE(splash.isVisible());
    // The fade ends when the opacity reaches 15: 15 steps of 16 from 255.
    EXPECT_TRUE(WaitUntil([&] { return !splash.isVisible(); }, 3000));
    EXPECT_EQ(splash.Opacity(), 15);
    EXPECT_EQ(started.count(), 1);
}

TEST(SplashFormTest, FadingStopsAfterOneSecond) {
    TFakeClock clock;
    TSplashForm splash(clock);
    splash.SetDelay(10);
    splash.show();
    ASSERT_TRUE(WaitUntil([&] { return splash.bStartMainProgram; }, 2000));
    ASSERT_TRUE(WaitUntil([&] { return splash.Opacity() < 200; }, 2000));
    clock.iTick += 1001;
    EXPECT_TRUE(WaitUntil([&] { return !splash.isVisible(); }, 500));
    EXPECT_GT(splash.Opacity(), 15);
}

} // namespace
