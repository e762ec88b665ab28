#include "SettingsReads.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A settings store in a temporary INI file written by hand: text files keep
// no value types, so numbers arrive as texts.
class SettingsReadsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString sPath = dir.filePath("settings.ini");
        QFile file(sPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n"
                   "Name=\"  Alice  \"\n"
                   "Width=640\n"
                   "Negative= -3\n"
                   "WidthText=abc\n"
                   "Big=99999999999\n"
                   "Flag=1\n"
                   "FlagTwo=2\n"
                   "FlagZero=0\n"
                   "FlagWord=true\n"
                   "FlagBad=maybe\n"
                   "Ratio=0.75\n"
                   "RatioBad=x\n"
                   "NotANumber=nan\n"
                   "List=a, b\n"
                   "Point=@Point(1 2)\n");
        file.close();
        settings = std::make_unique<QSettings>(sPath, QSettings::IniFormat);
    }

    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
};

TEST_F(SettingsReadsTest, StringsAreTrimmedAndOtherTypesGiveTheDefault) {
    EXPECT_EQ(ReadStringDef(*settings, "Name", "x"), "Alice");
    EXPECT_EQ(ReadStringDef(*settings, "Width", "x"), "640");
    EXPECT_EQ(ReadStringDef(*settings, "Missing", "fallback"), ""); // absent is empty, not the default
    EXPECT_EQ(ReadStringDef(*settings, "List", " fallback "), "fallback");
    EXPECT_EQ(ReadStringDef(*settings, "Point", "fallback"), "fallback");
    settings->setValue("Typed", 5);
    EXPECT_EQ(ReadStringDef(*settings, "Typed", "fallback"), "fallback");
}

TEST_F(SettingsReadsTest, IntegersNeedAWholeNumberInRange) {
    EXPECT_EQ(ReadIntegerDef(*settings, "Width", 7), 640);
    EXPECT_EQ(ReadIntegerDef(*settings, "Negative", 7), -3);
    EXPECT_EQ(ReadIntegerDef(*settings, "WidthText", 7), 7);
    EXPECT_EQ(ReadIntegerDef(*settings, "Big", 7), 7);
    EXPECT_EQ(ReadIntegerDef(*settings, "Ratio", 7), 7);
    EXPECT_EQ(ReadIntegerDef(*settings, "Point", 7), 7);
    EXPECT_EQ(ReadIntegerDef(*settings, "Missing", 7), 7);
    settings->setValue("Typed", 5);
    settings->setValue("Huge", qint64(1) << 40);
    settings->setValue("Real", 2.5);
    EXPECT_EQ(ReadIntegerDef(*settings, "Typed", 7), 5);
    EXPECT_EQ(ReadIntegerDef(*settings, "Huge", 7), 7);
    EXPECT_EQ(ReadIntegerDef(*settings, "Real", 7), 7);
}

TEST_F(SettingsReadsTest, FlagsAreNonZeroIntegers) {
    EXPECT_TRUE(ReadBoolDef(*settings, "Flag", false));
    EXPECT_TRUE(ReadBoolDef(*settings, "FlagTwo", false));
    EXPECT_FALSE(ReadBoolDef(*settings, "FlagZero", true));
    EXPECT_TRUE(ReadBoolDef(*settings, "FlagWord", false));
    EXPECT_TRUE(ReadBoolDef(*settings, "FlagBad", true));
    EXPECT_FALSE(ReadBoolDef(*settings, "FlagBad", false));
    EXPECT_TRUE(ReadBoolDef(*settings, "Missing", true));
    EXPECT_FALSE(ReadBoolDef(*settings, "Ratio", false));
}

TEST_F(SettingsReadsTest, RealsMustBeFiniteNumbers) {
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "Ratio", 1.5), 0.75);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "Width", 1.5), 640.0);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "RatioBad", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "NotANumber", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "Point", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "Missing", 1.5), 1.5);
    settings->setValue("Real", 2.5);
    EXPECT_DOUBLE_EQ(ReadFloatDef(*settings, "Real", 1.5), 2.5);
}

TEST_F(SettingsReadsTest, ValuesWrittenAndReadBackThroughTheFile) {
    settings->setValue("Stored", 12);
    settings->setValue("StoredReal", 0.125);
    settings->sync();
    const QSettings reread(settings->fileName(), QSettings::IniFormat);
    EXPECT_EQ(ReadIntegerDef(reread, "Stored", 7), 12);
    EXPECT_DOUBLE_EQ(ReadFloatDef(reread, "StoredReal", 1.5), 0.125);
}

} // namespace
