#include "EditorTestEnvironment.h"

#include "PasswordScrambler.h"
#include "TAppSettings.h"
#include "TRecentProjects.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString StoreFile() const { return Dir.filePath(QStringLiteral("store.ini")); }
    QString MakeFile(const QString& sName) const {
        QFile file(Dir.filePath(sName));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }
    TSettingsDefaults Defaults() const {
        TSettingsDefaults defaults;
        defaults.sUserPath = QStringLiteral("/home/u/Brisola/User/");
        defaults.sBaseTemplatePath = QStringLiteral("/home/u/Brisola/Templates/");
        defaults.ScreenSize = QSize(1280, 1024);
        defaults.MainPosition = QPoint(40, 50);
        defaults.CompileResultsPosition = QPoint(60, 70);
        defaults.QuickTipsPosition = QPoint(80, 90);
        defaults.UpLoadPosition = QPoint(100, 110);
        return defaults;
    }
    TAppSettings LoadStore() const {
        QSettings store(StoreFile(), QSettings::IniFormat);
        return TSettingsStore::Load(store, Defaults(), DecodePassword);
    }
    void SaveStore(const TAppSettings& settings) const {
        QSettings store(StoreFile(), QSettings::IniFormat);
        TSettingsStore::Save(store, settings, EncodePassword);
    }
    void SetValue(const QString& sName, const QVariant& value) const {
        QSettings store(StoreFile(), QSettings::IniFormat);
        store.setValue(sName, value);
    }

    QTemporaryDir Dir;
};

TEST_F(SettingsStoreTest, EmptyStoreGivesEveryDefault) {
    const TAppSettings settings = LoadStore();
    EXPECT_EQ(settings.MainPosition, QPoint(40, 50));
    EXPECT_EQ(settings.iWidth, 860);
    EXPECT_EQ(settings.iHeight, 640);
    EXPECT_EQ(settings.CompileResultsPosition, QPoint(60, 70));
    EXPECT_EQ(settings.QuickTipsPosition, QPoint(80, 90));
    EXPECT_EQ(settings.UpLoadPosition, QPoint(100, 110));
    EXPECT_FALSE(settings.bShowTips);
    EXPECT_FALSE(settings.bRandomTips);
    EXPECT_EQ(settings.iFirstTip, 0);
    EXPECT_EQ(settings.iSplashDelay, 1800);
    EXPECT_EQ(settings.sBaseLocation, QStringLiteral("/home/u/Brisola/User/"));
    EXPECT_TRUE(settings.bShowCompile);
    EXPECT_TRUE(settings.bAutoSave);
    EXPECT_FALSE(settings.bDeleteLog);
    EXPECT_EQ(settings.iUpdateFrequency, 2); // "Weekly"
    EXPECT_EQ(settings.dLastUpdated, 0.0);
    EXPECT_TRUE(settings.sFTPSite.isEmpty());
    EXPECT_TRUE(settings.sPassword.isEmpty());
    EXPECT_TRUE(settings.bFTPRequireTLS); // a new site asks for an encrypted connection
    EXPECT_TRUE(settings.ProjectList.isEmpty());
    EXPECT_EQ(settings.sUserTemplatePath, QStringLiteral("/home/u/Brisola/Templates/"));
    EXPECT_EQ(settings.sDefaultProjectDir, QStringLiteral("/home/u/Brisola/User/"));
}

TEST_F(SettingsStoreTest, EveryValueSurvivesARoundTripWithItsType) {
    TAppSettings saved;
    saved.MainPosition = QPoint(12, 34);
    saved.iHeight = 700;
    saved.iWidth = 900;
    saved.CompileResultsPosition = QPoint(56, 78);
    saved.QuickTipsPosition = QPoint(-20, 300);
    saved.UpLoadPosition = QPoint(200, 400);
    saved.bShowTips = true;
    saved.bRandomTips = true;
    saved.iFirstTip = 7;
    saved.iSplashDelay = 5000;
    saved.sBaseLocation = QStringLiteral("/work/sites");
    saved.bShowCompile = false;
    saved.bAutoSave = false;
    saved.bDeleteLog = true;
    saved.iUpdateFrequency = 3;
    saved.dLastUpdated = 45123.75;
    saved.sFTPSite = QStringLiteral("  ftp.example.org ");
    saved.sUsername = QStringLiteral("designer");
    saved.sPassword = QStringLiteral(" s3cret!~ ");
    saved.sRemotePath = QStringLiteral(" public_html\\popups ");
    saved.bFTPRequireTLS = false;
    saved.sCurrentProject = QStringLiteral("/work/sites/promo.zrj");
    saved.ProjectList = {MakeFile(QStringLiteral("a.zrj")), MakeFile(QStringLiteral("b.zrj"))};
    saved.sUserTemplatePath = QStringLiteral("/work/templates/");
    saved.sDefaultProjectDir = QStringLiteral("/work/projects/");
    SaveStore(saved);

    const TAppSettings loaded = LoadStore();
    EXPECT_EQ(loaded.MainPosition, QPoint(12, 34));
    EXPECT_EQ(loaded.iHeight, 700);
    EXPECT_EQ(loaded.iWidth, 900);
    EXPECT_EQ(loaded.CompileResultsPosition, QPoint(56, 78));
    EXPECT_EQ(loaded.QuickTipsPosition, QPoint(-20, 300));
    EXPECT_EQ(loaded.UpLoadPosition, QPoint(200, 400));
    EXPECT_TRUE(loaded.bShowTips);
    EXPECT_TRUE(loaded.bRandomTips);
    EXPECT_EQ(loaded.iFirstTip, 7);
    EXPECT_EQ(loaded.iSplashDelay, 5000);
    EXPECT_EQ(loaded.sBaseLocation, QStringLiteral("/work/sites"));
    EXPECT_FALSE(loaded.bShowCompile);
    EXPECT_FALSE(loaded.bAutoSave);
    EXPECT_TRUE(loaded.bDeleteLog);
    EXPECT_EQ(loaded.iUpdateFrequency, 3);
    EXPECT_DOUBLE_EQ(loaded.dLastUpdated, 45123.75);
    EXPECT_EQ(loaded.sFTPSite, QStringLiteral("ftp.example.org"));
    EXPECT_EQ(loaded.sUsername, QStringLiteral("designer"));
    EXPECT_EQ(loaded.sPassword, QStringLiteral("s3cret!~"));
    EXPECT_EQ(loaded.sRemotePath, QStringLiteral("public_html\\popups"));
    EXPECT_FALSE(loaded.bFTPRequireTLS);
    EXPECT_EQ(loaded.ProjectList, saved.ProjectList);
    EXPECT_EQ(loaded.sUserTemplatePath, QStringLiteral("/work/templates/"));
    EXPECT_EQ(loaded.sDefaultProjectDir, QStringLiteral("/work/projects/"));

    // Flags are stored as the integers 0 and 1, the time as a real, the
    // password never in clear.
    QSettings raw(StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("ShowTips").toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value("ShowCompile").toString(), QStringLiteral("0"));
    EXPECT_EQ(raw.value("FTPRequireTLS").toString(), QStringLiteral("0"));
    EXPECT_EQ(raw.value("LastUpdated").toString(), QStringLiteral("45123.75"));
    EXPECT_EQ(raw.value("CurrentProject").toString(), QStringLiteral("/work/sites/promo.zrj"));
    EXPECT_FALSE(raw.value("Password").toString().contains(QStringLiteral("s3cret")));
}

TEST_F(SettingsStoreTest, MistypedAndEmptyValuesFallBackToDefaults) {
    SetValue("Width", QStringLiteral("wide"));
    SetValue("ShowCompile", QStringLiteral("yes"));
    SetValue("LastUpdated", QStringLiteral("yesterday"));
    SetValue("BaseLocation", QStringLiteral("   "));
    SetValue("UserTemplatePath", QString());
    SetValue("SplashDelay", 0);
    const TAppSettings settings = LoadStore();
    EXPECT_EQ(settings.iWidth, 860);
    EXPECT_TRUE(settings.bShowCompile);
    EXPECT_EQ(settings.dLastUpdated, 0.0);
    EXPECT_EQ(settings.sBaseLocation, QStringLiteral("/home/u/Brisola/User/"));
    EXPECT_EQ(settings.sUserTemplatePath, QStringLiteral("/home/u/Brisola/Templates/"));
    EXPECT_EQ(settings.iSplashDelay, 1800);
    SetValue("SplashDelay", -5);
    EXPECT_EQ(LoadStore().iSplashDelay, 1800);
}

TEST_F(SettingsStoreTest, PositionsAreClampedToTheScreen) {
    SetValue("Left", -500);
    SetValue("Top", 5);
    SetValue("QuickTipsLeft", 5000);
    SetValue("QuickTipsTop", 5000);
    SetValue("UpLoadLeft", -100);
    SetValue("UpLoadTop", 10);
    const TAppSettings settings = LoadStore();
    EXPECT_EQ(settings.MainPosition, QPoint(-100, 10));
    EXPECT_EQ(settings.QuickTipsPosition, QPoint(1250, 994));
    EXPECT_EQ(settings.UpLoadPosition, QPoint(-100, 10));
    EXPECT_EQ(ClampWindowPosition(QPoint(1251, 995), QSize(1280, 1024)), QPoint(1250, 994));
}

TEST_F(SettingsStoreTest, RecentListDropsMissingFilesAndIsRewrittenUnderNewDigits) {
    const QString sFirst = MakeFile(QStringLiteral("one.zrj"));
    const QString sSecond = MakeFile(QStringLiteral("two.zrj"));
    const QString sThird = MakeFile(QStringLiteral("three.zrj"));
    SetValue("PreviousProject0", sFirst);
    SetValue("PreviousProject1", sSecond);
    SetValue("PreviousProject2", sThird);
    QFile::remove(sSecond);

    TAppSettings settings = LoadStore();
    EXPECT_EQ(settings.ProjectList, QStringList({sFirst, sThird}));
    SaveStore(settings);
    QSettings raw(StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("PreviousProject0").toString(), sFirst);
    EXPECT_EQ(raw.value("PreviousProject1").toString(), sThird);
    for (int i = 2; i < 10; ++i)
        EXPECT_TRUE(raw.value(QStringLiteral("PreviousProject%1").arg(i)).toString().isEmpty()) << i;
}

TEST_F(SettingsStoreTest, PasswordsSurviveTheStore) {
    for (const QString& sPassword :
         {QStringLiteral("pa ss:w0rd!\"#$%&'()*+,-./<=>?@[\\]^_`{|}~"), QStringLiteral("Grüße-Пароль-密码")}) {
        TAppSettings settings;
        settings.sPassword = sPassword;
        SaveStore(settings);
        EXPECT_EQ(LoadStore().sPassword, sPassword);
    }
    SetValue("Password", QStringLiteral("ABC"));
    EXPECT_TRUE(LoadStore().sPassword.isEmpty()) << "odd length decodes to an empty password";
}

TEST(RecentProjectsTest, AddKeepsOnePathAtTheTopAndSkipsTemplatesAndMissingFiles) {
    QTemporaryDir dir;
    const auto make = [&](const char* sName) {
        QFile file(dir.filePath(QString::fromLatin1(sName)));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    };
    const QString sA = make("a.zrj");
    const QString sB = make("b.zrj");
    TRecentProjects recent;
    recent.Add(sA, false);
    recent.Add(sB, false);
    recent.Add(sA, false);
    EXPECT_EQ(recent.Items(), QStringList({sA, sB}));
    recent.Add(make("t.zrj"), true);
    recent.Add(dir.filePath(QStringLiteral("gone.zrj")), false);
    recent.Add(QString(), false);
    EXPECT_EQ(recent.Items(), QStringList({sA, sB}));
    EXPECT_EQ(recent.MenuEntries(sA), QStringList({sB}));
    EXPECT_EQ(recent.MenuEntries(sA.toUpper()), QStringList({sA, sB})) << "the current project is compared exactly";

    recent.Assign({sA, sA.toUpper()});
    recent.Add(sA, false);
    EXPECT_EQ(recent.Items(), QStringList({sA})) << "entries equal regardless of case are removed";
}

} // namespace
