#include "EditorTestEnvironment.h"

#include "TAppSettings.h"
#include "TLog.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class WorkingFoldersTest : public ::testing::Test {
protected:
    bool Prepare() {
        Folders = Env.Folders();
        Log = std::make_unique<TLog>();
        return Folders.Prepare(*Log, Env.Services, QStringLiteral(BRISOLA_EDITOR_EXE), QDate(2012, 3, 15));
    }
    // Lines of the refresh, from the first-run line on.
    QStringList RefreshLines() const {
        const QStringList lines = Env.LogLines();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith(QStringLiteral("App (V")))
                return lines.mid(i);
        }
        return {};
    }

    TTestEnvironment Env;
    TWorkingFolders Folders;
    std::unique_ptr<TLog> Log;
};

TEST_F(WorkingFoldersTest, FirstStartCreatesTheFoldersCopiesTheTemplatesAndNamesTheDaysLog) {
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(Folders.sUserPath, Env.Path(QStringLiteral("docs/Brisola/User/")));
    EXPECT_EQ(Folders.sBaseTemplatePath, Env.TemplateFolder());
    EXPECT_TRUE(QDir(Folders.sUserPath).exists());
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("Default.zrj")));
    EXPECT_TRUE(QFile::exists(Env.LogFolder() + QStringLiteral("$$$Log_12_03_15(Thu_Mar_15_2012).TXT")));
    const QString sSource = Env.Path(QStringLiteral("install/Templates/"));
    EXPECT_EQ(RefreshLines(),
              QStringList({QStringLiteral("App (V4.0.2) has not run before"),
                           QStringLiteral("Copying directory <") + sSource + QStringLiteral("> to <") +
                               Env.TemplateFolder() + QStringLiteral(">"),
                           QStringLiteral("Directory <") + Env.TemplateFolder() + QStringLiteral("> copied")}));
    QSettings store(Env.StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value("IsAlreadyRun4.0.2").toInt(), 1);
}

TEST_F(WorkingFoldersTest, ANewVersionReplacesTheTemplateFolderWithAFreshCopy) {
    QDir().mkpath(Env.TemplateFolder());
    QFile stale(Env.TemplateFolder() + QStringLiteral("Old.zrj"));
    stale.open(QIODevice::WriteOnly);
    stale.close();
    Env.SetStoreValue(QStringLiteral("IsAlreadyRun4.0.1"), 1);

    ASSERT_TRUE(Prepare());
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("Old.zrj")));
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("Default.zrj")));
    const QString sFolder = Env.TemplateFolder();
    const QString sSource = Env.Path(QStringLiteral("install/Templates/"));
    EXPECT_EQ(RefreshLines(), QStringList({QStringLiteral("App (V4.0.2) has not run before"),
                                           QStringLiteral("Deleting directory <") + sFolder + QStringLiteral(">"),
                                           QStringLiteral("Directory <") + sFolder + QStringLiteral("> deleted"),
                                           QStringLiteral("Copying directory <") + sSource + QStringLiteral("> to <") +
                                               sFolder + QStringLiteral(">"),
                                           QStringLiteral("Directory <") + sFolder + QStringLiteral("> copied")}));
}

TEST_F(WorkingFoldersTest, AMissingTemplateFolderIsRestoredSilentlyOnALaterStart) {
    ASSERT_TRUE(Prepare());
    QFile user(Env.TemplateFolder() + QStringLiteral("Mine.zrj"));
    user.open(QIODevice::WriteOnly);
    user.close();
    ASSERT_TRUE(Prepare());
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("Mine.zrj"))) << "a known version keeps the folder";
    EXPECT_EQ(RefreshLines().first(), QStringLiteral("App (V4.0.2) has run before"));

    QDir(Env.TemplateFolder()).removeRecursively();
    ASSERT_TRUE(Prepare());
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("Default.zrj")));
    const QStringList lines = RefreshLines();
    EXPECT_EQ(lines.first(), QStringLiteral("App (V4.0.2) has run before"));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Deleting")));
}

TEST_F(WorkingFoldersTest, AMissingInstallationLetsTheStartGoOn) {
    QDir(Env.Path(QStringLiteral("install"))).removeRecursively();
    ASSERT_TRUE(Prepare());
    EXPECT_FALSE(QDir(Env.TemplateFolder()).exists());
    EXPECT_TRUE(Env.LogLines().join('\n').contains(QStringLiteral("Installation templates <")));
}

TEST_F(WorkingFoldersTest, AnUnusableLogFolderEndsThePreparationWithItsMessage) {
    QFile blocker(Env.Path(QStringLiteral("docs/Brisola")));
    blocker.open(QIODevice::WriteOnly); // a file where the working folder belongs
    blocker.close();
    Env.Services.ExpectQuestion(QStringLiteral("Error : No Logging directory"), QMessageBox::Cancel);
    EXPECT_FALSE(Prepare());
}

} // namespace

namespace {

TEST(InstalledDataTest, RunFromTheBuildTreeTheSourceTreesTemplatesAreTheMasterCopy) {
    const TWorkingFolders folders = TWorkingFolders::FromDesktop();
    EXPECT_EQ(folders.sInstalledTemplates, QStringLiteral(BRISOLA_SOURCE_DIR "/templates/"));
    EXPECT_TRUE(QFile::exists(folders.sInstalledTemplates + QStringLiteral("Default.zrj")));
}

} // namespace
