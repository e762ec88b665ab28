#include "SettingsTransfer.h"

#include "TAppSettings.h"
#include "TZEPProject.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsTransferTest, ProjectOptionsTravelBothWays) {
    for (const TProjectOptions& options :
         {TProjectOptions{true, true, false, true, 2}, TProjectOptions{false, false, true, false, 1}}) {
        TZEPProject project;
        ApplyProjectOptions(options, project);
        EXPECT_TRUE(ProjectOptionsOf(project) == options);
    }
    TZEPProject project;
    project.bTurnOffAudio = 2; // only exactly 1 counts as set
    EXPECT_FALSE(ProjectOptionsOf(project).bTurnOffAudio);
}

TEST(SettingsTransferTest, ApplicationOptionsTravelBothWaysAndLeaveTheOtherSettings) {
    TAppSettings settings;
    settings.sFTPSite = QStringLiteral("ftp.example.org");
    const TApplicationOptions options{QStringLiteral("/sites"), false, false, true, 0, 41000.25};
    ApplyApplicationOptions(options, settings);
    EXPECT_TRUE(ApplicationOptionsOf(settings) == options);
    EXPECT_EQ(settings.sFTPSite, QStringLiteral("ftp.example.org"));
}

TEST(SettingsTransferTest, UpLoadSettingsTravelBothWaysAndLeaveTheOtherSettings) {
    TAppSettings settings;
    settings.sBaseLocation = QStringLiteral("/sites");
    const TUpLoadSettings upLoad{QStringLiteral("ftp.example.org"),
                                 QStringLiteral("designer"),
                                 QStringLiteral("pw"),
                                 QStringLiteral("public_html\\popups"),
                                 false,
                                 QPoint(30, 40)};
    ApplyUpLoadSettings(upLoad, settings);
    EXPECT_TRUE(UpLoadSettingsOf(settings) == upLoad);
    EXPECT_EQ(settings.UpLoadPosition, QPoint(30, 40));
    EXPECT_EQ(settings.sBaseLocation, QStringLiteral("/sites"));
}

} // namespace
