#include "EditorTestEnvironment.h"

#include "TOptionsForm.h"

#include <QScreen>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class OptionsValuesTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TScriptedServices Services{Dir.filePath(QStringLiteral("store.ini"))};
    TOptionsForm Options{Services};
};

TEST_F(OptionsValuesTest, ProjectOptionsComeBackAsGivenExceptThatDynamicContentImpliesItsFunctions) {
    const struct {
        TProjectOptions Given;
        TProjectOptions Shown;
    } cases[] = {
        {{false, false, false, false, 0}, {false, false, false, false, 0}},
        {{true, false, true, true, 2}, {true, false, true, true, 2}},
        {{false, true, false, false, 1}, {true, true, false, false, 1}},
    };
    for (const auto& c : cases) {
        Options.SetProjectOptions(c.Given);
        EXPECT_TRUE(Options.ProjectOptions() == c.Shown) << c.Given.iInitialisationOption;
        EXPECT_FALSE(Options.ProjectOptionsEdited()) << "filling the dialog is no edit";
    }
}

TEST_F(OptionsValuesTest, ApplicationOptionsComeBackAsGiven) {
    const TApplicationOptions given{QStringLiteral("/sites"), false, false, true, 3, 45123.5};
    Options.SetApplicationOptions(given);
    EXPECT_TRUE(Options.ApplicationOptions() == given);
}

TEST_F(OptionsValuesTest, CancelRestoresTheValuesShownAndOkReportsAMovedBaseFolder) {
    const TApplicationOptions shown{QStringLiteral("/sites"), true, true, false, 2, 0.0};
    const TProjectOptions project{true, false, false, false, 0};
    Options.SetApplicationOptions(shown);
    Options.SetProjectOptions(project);
    QSignalSpy moved(&Options, &TOptionsForm::BaseLocationChanged);

    Options.show();
    Options.SetApplicationOptions({QStringLiteral("/elsewhere"), false, false, true, 0, 0.0});
    Options.SetProjectOptions({false, true, true, true, 2});
    Options.reject();
    EXPECT_TRUE(Options.ApplicationOptions() == shown);
    EXPECT_TRUE(Options.ProjectOptions() == project);
    EXPECT_EQ(moved.count(), 0);

    Options.show();
    Options.SetApplicationOptions({QStringLiteral(" /elsewhere "), true, true, false, 2, 0.0});
    Options.accept();
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.front().front().toString(), QStringLiteral("/elsewhere"));
}

TEST_F(OptionsValuesTest, OpensCentredOnTheScreenEvenBesideItsWindow) {
    QWidget window;
    window.setGeometry(0, 0, 200, 100);
    TOptionsForm options{Services, &window};
    options.show();
    const QPoint offset = options.frameGeometry().center() - options.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << "," << offset.y();
    options.reject();
}

} // namespace
