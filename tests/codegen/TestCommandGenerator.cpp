#include <gtest/gtest.h>

#include "CommandGenerator.h"
#include "GeneratorTestSupport.h"

namespace {

class CommandTest : public ::testing::Test {
protected:
    CommandTest() : o(Test.AddInstance(QStringLiteral("promo"))) {}

    QString Command(const QString& sContentFunctions = {}) const {
        return GenerateCommandString(o, o.sUniqueID, sContentFunctions);
    }

    // The command inside the guard for the instance promo.
    static QString Guarded(const char* sCommand) {
        return QStringLiteral("  if(!promo.pars.isc){ \r\n    ") + QLatin1String(sCommand) + QStringLiteral("\r\n  }");
    }

    void DelayOpen(int iSeconds) {
        o.bOpenAfterSelected = 1;
        o.iOpenAfterDelay = iSeconds;
    }
    void DelayClose(int iSeconds) {
        o.bCloseAfterSelected = 1;
        o.iCloseAfterDelay = iSeconds;
    }

    TTestProject Test;
    TZEPInstance& o;
};

TEST_F(CommandTest, ImmediateShowIsGuarded) {
    EXPECT_EQ(Command(), QStringLiteral("  if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }"));
}

TEST_F(CommandTest, ImmediateCommandOfEveryEntryEffect) {
    const std::pair<CEntryEffect, const char*> cases[] = {
        {eeNone, "QEL.zep.zepShow('promo');"},
        {eeDropDown, "QEL.zep.zepDropin('promo');QEL.zep.zepShow('promo');"},
        {eeBounce, "QEL.zep.zepDropin('promo');QEL.zep.zepShow('promo');"},
        {eeSlideIn, "QEL.zep.zepSlidein('promo');QEL.zep.zepShow('promo');"},
        {eeSlideInRight, "QEL.zep.zepSlideInRight('promo');QEL.zep.zepShow('promo');"},
        {eeSlideUp, "QEL.zep.zepSlideup('promo');QEL.zep.zepShow('promo');"},
        {eeFadeIn, "QEL.zep.zepFadein('promo');"},
    };
    for (const auto& [effect, sCommand] : cases) {
        o.EntryEffect = effect;
        EXPECT_EQ(Command(), Guarded(sCommand)) << int(effect);
    }
    o.EntryEffect = static_cast<CEntryEffect>(7);
    EXPECT_EQ(Command(), QString());
}

TEST_F(CommandTest, DelayedEntryOfEveryEntryEffect) {
    DelayOpen(5);
    o.iCloseAfterDelay = 9; // not used while the close switch is off
    const std::pair<CEntryEffect, const char*> cases[] = {
        {eeNone, "promo.zepTimer('promo','QEL.zep.zepShow','','','',5,'');"},
        {eeDropDown, "promo.zepTimer('promo','QEL.zep.zepDropin','QEL.zep.zepShow','','',5,'');"},
        {eeBounce, "promo.zepTimer('promo','QEL.zep.zepDropin','QEL.zep.zepShow','','',5,'');"},
        {eeSlideIn, "promo.zepTimer('promo','QEL.zep.zepSlidein','QEL.zep.zepShow','','',5,'');"},
        {eeSlideInRight, "promo.zepTimer('promo','QEL.zep.zepSlideInRight','QEL.zep.zepShow','','',5,'');"},
        {eeSlideUp, "promo.zepTimer('promo','QEL.zep.zepSlideup','QEL.zep.zepShow','','',5,'');"},
        {eeFadeIn, "promo.zepTimer('promo','QEL.zep.zepFadein','','','',5,'');"},
    };
    for (const auto& [effect, sCommand] : cases) {
        o.EntryEffect = effect;
        EXPECT_EQ(Command(), Guarded(sCommand)) << int(effect);
    }
}

TEST_F(CommandTest, DelayedExitOfEveryExitEffect) {
    DelayClose(8);
    const std::pair<CExitEffect, const char*> cases[] = {
        {xeNone, "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepHide','','',8);"},
        {xeSlideOutLeft, "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepSlideOutLeft','','',8);"},
        {xeSlideOut, "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepSlideout','','',8);"},
        {xeSlideUpTop, "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepSlideUpTop','','',8);"},
        {xeSlideDownBottom,
         "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepSlideDownBottom','','',8);"},
        {xeFadeOut, "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepFadeout','','',8);"},
        {static_cast<CExitEffect>(6), "QEL.zep.zepShow('promo');promo.zepTimer('promo','','','','','',8);"},
    };
    for (const auto& [effect, sCommand] : cases) {
        o.ExitEffect = effect;
        EXPECT_EQ(Command(), Guarded(sCommand)) << int(effect);
    }
}

TEST_F(CommandTest, DelayedEntryAndExitIsOneTimerCall) {
    DelayOpen(2);
    DelayClose(6);
    o.EntryEffect = eeFadeIn;
    EXPECT_EQ(Command(), Guarded("promo.zepTimer('promo','QEL.zep.zepFadein','','QEL.zep.zepHide','',2,6);"));
    o.EntryEffect = eeSlideInRight;
    o.ExitEffect = xeSlideDownBottom;
    EXPECT_EQ(Command(), Guarded("promo.zepTimer('promo','QEL.zep.zepSlideInRight','QEL.zep.zepShow',"
                                 "'QEL.zep.zepSlideDownBottom','',2,6);"));
}

TEST_F(CommandTest, ContentFunctionsOnlyPrefixUserActionCommands) {
    DelayOpen(4);
    EXPECT_EQ(Command(QStringLiteral("X();")), Guarded("promo.zepTimer('promo','QEL.zep.zepShow','','','',4,'');"));
    o.bOnClick = 1;
    EXPECT_EQ(Command(QStringLiteral("X();")), Guarded("X();QEL.zep.zepShow('promo');"));
}

TEST_F(CommandTest, ClickPopupIgnoresOpenDelayAndTimesTheClose) {
    o.bOnClick = 1;
    DelayOpen(5);
    DelayClose(10);
    o.EntryEffect = eeSlideUp;
    o.ExitEffect = xeSlideOut;
    EXPECT_EQ(Command(),
              QStringLiteral("  if(!promo.pars.isc){ \r\n    QEL.zep.zepSlideup('promo');QEL.zep.zepShow('promo');"
                             "promo.zepTimer('promo','','','QEL.zep.zepSlideout','','',10);\r\n  }"));
}

TEST_F(CommandTest, MousePopupsOpenAtOnce) {
    DelayOpen(5);
    o.EntryEffect = eeFadeIn;
    o.bMouseOver = 1;
    EXPECT_EQ(Command(), Guarded("QEL.zep.zepFadein('promo');"));
    o.bMouseOver = 0;
    o.bMouseOut = 2; // any value other than 0 makes it a mouse popup
    EXPECT_EQ(Command(), Guarded("QEL.zep.zepFadein('promo');"));
    DelayClose(3);
    o.ExitEffect = xeFadeOut;
    EXPECT_EQ(Command(),
              Guarded("QEL.zep.zepFadein('promo');promo.zepTimer('promo','','','QEL.zep.zepFadeout','','',3);"));
}

TEST_F(CommandTest, TooltipsAndSiteWidePopupsHaveNoCommand) {
    DelayOpen(5);
    DelayClose(10);
    o.EntryEffect = eeDropDown;
    o.bToolTip = 1;
    EXPECT_EQ(Command(), QString());
    o.bToolTip = 0;
    o.bSiteWide = 1;
    o.bOnClick = 1;
    EXPECT_EQ(Command(QStringLiteral("X();")), QString());
    o.bSiteWide = 2; // only 1 counts as set
    EXPECT_NE(Command(), QString());
}

TEST_F(CommandTest, BlankIdentifierBecomesUniqueID) {
    o.sUniqueID = QStringLiteral("  ");
    EXPECT_EQ(GenerateCommandString(o, QStringLiteral(" "), {}),
              QStringLiteral("  if(!UniqueID.pars.isc){ \r\n    QEL.zep.zepShow('UniqueID');\r\n  }"));
    DelayOpen(1);
    EXPECT_EQ(
        GenerateCommandString(o, {}, {}),
        QStringLiteral(
            "  if(!UniqueID.pars.isc){ \r\n    UniqueID.zepTimer('UniqueID','QEL.zep.zepShow','','','',1,'');\r\n  }"));
}

TEST_F(CommandTest, IdentifierIsTrimmed) {
    o.sUniqueID = QStringLiteral("promo ");
    DelayClose(2);
    EXPECT_EQ(GenerateCommandString(o, o.sUniqueID, {}),
              Guarded("QEL.zep.zepShow('promo');promo.zepTimer('promo','','','QEL.zep.zepHide','','',2);"));
}

TEST_F(CommandTest, EventModeCountsOnlyExactlyOne) {
    const std::tuple<quint8, quint8, CEntryExitMode> cases[] = {
        {1, 1, xmDelayedEntryAndExit}, {1, 0, xmDelayedEntry}, {1, 2, xmDelayedEntry}, {0, 1, xmDelayedExit},
        {2, 1, xmDelayedExit},         {0, 0, xmImmediate},    {2, 2, xmImmediate},
    };
    for (const auto& [bOpen, bClose, mode] : cases) {
        o.bOpenAfterSelected = bOpen;
        o.bCloseAfterSelected = bClose;
        EXPECT_EQ(GetEventMode(o), mode) << int(bOpen) << "/" << int(bClose);
    }
}

} // namespace
