#include "EditorTestEnvironment.h"

#include "TAboutForm.h"
#include "TTipSequence.h"
#include "TTipsForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class TipsFormTest : public ::testing::Test {
protected:
    // Shows the window as the start-up does and answers the tip shown.
    QString OpenAndClose() {
        Tips.show();
        const QString sShown = Tips.TipText();
        QTest::mouseClick(Tips.findChild<QPushButton*>(QStringLiteral("CloseBtn")), Qt::LeftButton);
        return sShown;
    }

    TFakeClock Clock;
    TTipsForm Tips{Clock};
    const QStringList AllTips = TTipSequence::LoadTips();
};

TEST_F(TipsFormTest, ThereAreThirteenTips) {
    EXPECT_EQ(AllTips.size(), 13);
}

TEST_F(TipsFormTest, SequentialModeShowsTheNextTipAtEachOpening) {
    EXPECT_EQ(OpenAndClose(), AllTips[0]);
    EXPECT_EQ(OpenAndClose(), AllTips[1]);
    EXPECT_EQ(OpenAndClose(), AllTips[2]);
    EXPECT_FALSE(Tips.isVisible());
}

TEST_F(TipsFormTest, NextWrapsAfterTheLastTip) {
    Tips.show();
    auto* next = Tips.findChild<QPushButton*>(QStringLiteral("NextBtn"));
    for (int i = 1; i < 13; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(Tips.TipText(), AllTips[12]);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(Tips.TipText(), AllTips[0]);
}

TEST_F(TipsFormTest, RandomModePicksByTheTickCount) {
    Tips.bRandomTips = true;
    Tips.show();
    Clock.iTick = 13 * 100 + 5;
    QTest::mouseClick(Tips.findChild<QPushButton*>(QStringLiteral("NextBtn")), Qt::LeftButton);
    EXPECT_EQ(Tips.TipText(), AllTips[5]);
    Clock.iTick = 27;
    QTest::mouseClick(Tips.findChild<QPushButton*>(QStringLiteral("NextBtn")), Qt::LeftButton);
    EXPECT_EQ(Tips.TipText(), AllTips[1]);
}

TEST_F(TipsFormTest, PanelColourComesFromHueAndTint) {
    // Hue 0 at full intensity is (17, 128, 238); four fifths towards white.
    EXPECT_EQ(TTipsForm::PanelColour(0), QColor(208, 230, 252));
    EXPECT_EQ(TTipsForm::PanelColour(360), QColor(208, 230, 252));
    // Hue 120 is (128, 238, 17).
    Clock.iTick = 480;
    Tips.show();
    EXPECT_EQ(Tips.BackGroundColour, QColor(230, 252, 208));
    Tips.close();
}

TEST_F(TipsFormTest, TheCheckBoxTracksTheStartUpOption) {
    Tips.bShowTipsAtStartUp = true;
    Tips.show();
    EXPECT_TRUE(Tips.ShowTipsBox->isChecked());
    QTest::mouseClick(Tips.ShowTipsBox, Qt::LeftButton);
    EXPECT_FALSE(Tips.bShowTipsAtStartUp);
    Tips.close();
    EXPECT_FALSE(Tips.isVisible()) << "the title bar's close button closes it too";
    EXPECT_EQ(Tips.CurrentTip(), 1) << "and advances to the next tip";
}

TEST(AboutFormTest, ShowsTheVersionLineAndName) {
    TAboutForm about;
    about.sVersion = QStringLiteral(" 4.0.2.80 ");
    about.show();
    EXPECT_EQ(about.VersionLabel->text(), QStringLiteral("Version: 4.0.2,   Build 80"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Brisola"));
    about.close();
}

} // namespace
