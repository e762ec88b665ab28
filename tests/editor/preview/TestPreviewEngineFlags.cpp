#include "PreviewEngineFlags.h"
#include "TPreviewBrowser.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct TFlagsCase {
    const char* sGiven;
    const char* sExpected;
};

class PreviewEngineFlagsTest : public ::testing::TestWithParam<TFlagsCase> {};

// The preview's script heap and log settings go first and keep every flag
// given; a setting of the same kind already given is left alone, and applying
// twice adds nothing.
TEST_P(PreviewEngineFlagsTest, PutsTheScriptHeapAndLogSettingsBeforeTheGivenFlags) {
    const QString sResult = PreviewEngineFlags::WithPreviewFlags(QString::fromUtf8(GetParam().sGiven));
    EXPECT_EQ(sResult, QString::fromUtf8(GetParam().sExpected));
    EXPECT_EQ(PreviewEngineFlags::WithPreviewFlags(sResult), sResult);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PreviewEngineFlagsTest,
    ::testing::Values(TFlagsCase{"", "--js-flags=--optimize-for-size --log-level=3"},
                      TFlagsCase{"  ", "--js-flags=--optimize-for-size --log-level=3"},
                      TFlagsCase{"--disable-gpu --no-sandbox",
                                 "--js-flags=--optimize-for-size --log-level=3 --disable-gpu --no-sandbox"},
                      TFlagsCase{"--disable-gpu --js-flags=--expose-gc",
                                 "--log-level=3 --disable-gpu --js-flags=--expose-gc"},
                      TFlagsCase{"--enable-logging --v=1", "--js-flags=--optimize-for-size --enable-logging --v=1"},
                      TFlagsCase{"--log-level=0", "--js-flags=--optimize-for-size --log-level=0"}));

// The setting is in place once a preview browser exists, before its engine starts.
TEST(PreviewEngineFlags, ABrowserPutsTheSettingIntoTheEnvironment) {
    QWidget window;
    const TPreviewBrowser browser(&window);
    EXPECT_TRUE(qEnvironmentVariable(PreviewEngineFlags::sVariable).contains(QLatin1String("--optimize-for-size")));
}

} // namespace
