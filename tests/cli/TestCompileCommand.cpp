// brisola-compile run as a program: its output, messages and exit status.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct TRun {
    int iExitCode = -1;
    QString sOut;
    QString sErr;
};

TRun RunCompile(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM), arguments);
    TRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return run;
    }
    run.iExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.sOut = QString::fromUtf8(process.readAllStandardOutput());
    run.sErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Templates() {
    return QStringLiteral(BRISOLA_SOURCE_DIR "/templates/");
}

// A compiled copy of the start-up template, saved as a project in a temporary folder.
class CompileCommand : public ::testing::Test {
protected:
    void SetUp() override {
        sProject = Dir.path() + QStringLiteral("/welcome.zrj");
        const TRun run =
            RunCompile({QStringLiteral("--save-as"), sProject, Templates() + QStringLiteral("Default.zrj")});
        ASSERT_EQ(run.iExitCode, 0) << run.sErr.toStdString();
    }
    QTemporaryDir Dir;
    QString sProject;
};

TEST(CompileCommandLine, HelpAndVersion) {
    const TRun help = RunCompile({QStringLiteral("--help")});
    EXPECT_EQ(help.iExitCode, 0);
    EXPECT_TRUE(help.sOut.contains(QStringLiteral("--save-as")));
    const TRun version = RunCompile({QStringLiteral("--version")});
    EXPECT_EQ(version.iExitCode, 0);
    EXPECT_TRUE(version.sOut.startsWith(QStringLiteral("brisola-compile 4.")));
    EXPECT_EQ(RunCompile({}).iExitCode, 2);
}

TEST(CompileCommandLine, MissingFileAndNonProjectFileFail) {
    QTemporaryDir dir;
    const TRun missing = RunCompile({dir.path() + QStringLiteral("/absent.zrj")});
    EXPECT_EQ(missing.iExitCode, 1);
    EXPECT_TRUE(missing.sErr.contains(QStringLiteral("does not exist"))) << missing.sErr.toStdString();

    const QString sNotProject = dir.path() + QStringLiteral("/notes.zrj");
    QFile file(sNotProject);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some notes\r\n[SECTION]\r\nKey=1\r\n");
    file.close();
    const TRun notProject = RunCompile({sNotProject});
    EXPECT_EQ(notProject.iExitCode, 1);
    EXPECT_TRUE(notProject.sErr.contains(QStringLiteral("is not a Brisola project"))) << notProject.sErr.toStdString();
    EXPECT_EQ(ReadWholeFile(sNotProject), QByteArray("just some notes\r\n[SECTION]\r\nKey=1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("notes.zrj")});
}

TEST(CompileCommandLine, TemplateIsRefusedWithoutTouchingIt) {
    QTemporaryDir dir;
    for (const char* sName : {"Default.zrj", "Default.html"}) {
        ASSERT_TRUE(QFile::copy(Templates() + QLatin1String(sName), dir.path() + u'/' + QLatin1String(sName)));
    }
    const QByteArray before = ReadWholeFile(dir.path() + QStringLiteral("/Default.zrj"));
    const TRun run = RunCompile({dir.path() + QStringLiteral("/Default.zrj")});
    EXPECT_EQ(run.iExitCode, 1);
    EXPECT_TRUE(
        run.sErr.contains(QStringLiteral("This file is a template - Please save as a project before compilation")))
        << run.sErr.toStdString();
    EXPECT_EQ(ReadWholeFile(dir.path() + QStringLiteral("/Default.zrj")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(CompileCommand, PrintsWhatToPasteAndWhatToUpload) {
    const TRun run = RunCompile({sProject});
    ASSERT_EQ(run.iExitCode, 0) << run.sErr.toStdString();
    const QString sFolder = Dir.path() + u'/';
    const QString sExpected =
        QStringLiteral("Place these scripts in the body of the webpage, just after the <body> tag:\n"
                       "<!-- Brisola Linking section start -->\n"
                       "<!-- Please place just after the body tag -->\n"
                       "<script type=\"text/javascript\" src=\"welcome_zeplib.js\"></script>\n"
                       "<script type=\"text/javascript\" src=\"welcome.js\"></script>\n"
                       "<!-- Brisola Linking Section End -->\n\n"
                       "Place these files on the server in the same directory as the web page (default location):\n") +
        sFolder + QStringLiteral("close.gif\n") + sFolder + QStringLiteral("resize.gif\n") + sFolder +
        QStringLiteral("welcome_zeplib.js\n") + sFolder +
        QStringLiteral("welcome.js\n\nMouse code if  selected:\n\nAnchoring code if selected:\n\n");
    EXPECT_EQ(run.sOut.toStdString(), sExpected.toStdString());
    EXPECT_TRUE(run.sErr.contains(QStringLiteral("Compilation complete")));
    EXPECT_TRUE(run.sErr.contains(QStringLiteral("Preview page: ") + sFolder + QStringLiteral("welcome_Preview.html")));
}

TEST_F(CompileCommand, FailedWriteIsReportedAndLeavesTheProjectFileWhole) {
    const QByteArray before = ReadWholeFile(sProject);
    ASSERT_TRUE(QFile::remove(Dir.path() + QStringLiteral("/welcome.js")));
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("welcome.js")));
    const TRun run = RunCompile({sProject});
    EXPECT_EQ(run.iExitCode, 1);
    EXPECT_TRUE(run.sErr.contains(QStringLiteral("Compile Error : Failed to write Linking file")))
        << run.sErr.toStdString();
    EXPECT_TRUE(run.sOut.isEmpty());
    EXPECT_EQ(ReadWholeFile(sProject), before);
}

TEST_F(CompileCommand, AnUnwritableLibraryFileIsReportedAndLeavesTheProjectFileWhole) {
    const QByteArray before = ReadWholeFile(sProject);
    // A folder where the library file belongs: no user, root included, can write it.
    QFile::remove(Dir.path() + QStringLiteral("/welcome_zeplib.js"));
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("welcome_zeplib.js")));
    const TRun run = RunCompile({sProject});
    EXPECT_EQ(run.iExitCode, 1);
    EXPECT_TRUE(run.sErr.contains(QStringLiteral("Compile Error : Failed to write Library file")))
        << run.sErr.toStdString();
    EXPECT_TRUE(run.sOut.isEmpty());
    EXPECT_EQ(ReadWholeFile(sProject), before);
}

} // namespace
