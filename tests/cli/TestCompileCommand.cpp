// brisola-compile run as a program: its output, messages and exit status.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "CliTestSupport.h"

namespace {

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

// A pipe in place of the project file or of its HTML file ends the compile
// at once with the reason, instead of waiting for a writer.
TEST(CompileCommandLine, PipeInPlaceOfAProjectFileEndsWithAMessage) {
    QTemporaryDir dir;
    const QString sPipe = dir.path() + QStringLiteral("/pipe.zrj");
    ASSERT_EQ(mkfifo(QFile::encodeName(sPipe).constData(), 0600), 0);
    const TRun project = RunCompile({sPipe});
    EXPECT_EQ(project.iExitCode, 1);
    EXPECT_TRUE(project.sErr.contains(QStringLiteral("Unable to read <") + sPipe +
                                      QStringLiteral(">: it is not a regular file")))
        << project.sErr.toStdString();

    const QString sProject = WriteTestProject(dir.path(), QStringLiteral("site.zrj"), {TTestPopup("promo")});
    const QString sHtml = dir.path() + QStringLiteral("/site.html");
    ASSERT_TRUE(QFile::remove(sHtml));
    ASSERT_EQ(mkfifo(QFile::encodeName(sHtml).constData(), 0600), 0);
    const TRun html = RunCompile({sProject});
    EXPECT_EQ(html.iExitCode, 1);
    EXPECT_TRUE(html.sErr.contains(QStringLiteral("Object loading error <Error loading HTML file <") + sHtml +
                                   QStringLiteral(">: it is not a regular file>")))
        << html.sErr.toStdString();
}

// Popups whose IDs begin with one another keep their own content lines: ten
// compiles (each loads and saves the project) leave the content file and the
// preview page's links as the first compile wrote them. IDs that differ only
// in letter case are refused and the files stay untouched.
struct TStableCase {
    const char* sName;
    QList<TTestPopup> popups;
    const char* sRefusal;
};

TTestPopup ClickPopupWithLayer(const QByteArray& uniqueID) {
    return TTestPopup(uniqueID)
        .Sections("[METHOD]\r\nOnClickSelected=1\r\n")
        .Html("<p>" + uniqueID + "</p>")
        .Layers({"\"layer of " + uniqueID + "\""});
}

const TStableCase aStableCases[] = {
    {"p1_p10", {ClickPopupWithLayer("p1"), ClickPopupWithLayer("p10")}, ""},
    {"p1_p12", {ClickPopupWithLayer("p1"), ClickPopupWithLayer("p12")}, ""},
    {"promo_PROMO",
     {ClickPopupWithLayer("promo"), ClickPopupWithLayer("PROMO")},
     "Compile Error : Unique IDs <promo> and <PROMO> differ only in letter case"},
};

void PrintTo(const TStableCase& c, std::ostream* os) {
    *os << c.sName;
}

class RepeatedCompile : public ::testing::TestWithParam<TStableCase> {};

TEST_P(RepeatedCompile, LeavesTheContentFileAsItWas) {
    QTemporaryDir dir;
    const QString sProject = WriteTestProject(dir.path(), QStringLiteral("site.zrj"), GetParam().popups);
    const QString sContent = dir.path() + QStringLiteral("/site_ZEPcontent.js");
    const QString sPreview = dir.path() + QStringLiteral("/site_Preview.html");
    QByteArray firstContent;
    QByteArray firstPreview;
    for (int iCompile = 0; iCompile < 10; ++iCompile) {
        const QByteArray before = ReadWholeFile(sContent);
        const TRun run = RunCompile({sProject});
        if (*GetParam().sRefusal != 0) {
            EXPECT_EQ(run.iExitCode, 1);
            EXPECT_TRUE(run.sErr.contains(QLatin1String(GetParam().sRefusal))) << run.sErr.toStdString();
            EXPECT_EQ(ReadWholeFile(sContent), before);
            continue;
        }
        ASSERT_EQ(run.iExitCode, 0) << run.sErr.toStdString();
        if (iCompile == 0) {
            firstContent = ReadWholeFile(sContent);
            firstPreview = ReadWholeFile(sPreview);
            // Each popup has its own content and one layer, and a link for each.
            EXPECT_EQ(firstContent.count("\r\n"), 4) << firstContent.toStdString();
            EXPECT_EQ(firstPreview.count("onclick"), 4) << firstPreview.toStdString();
        }
        EXPECT_EQ(ReadWholeFile(sContent), firstContent) << "compile " << iCompile;
        EXPECT_EQ(ReadWholeFile(sPreview), firstPreview) << "compile " << iCompile;
    }
}

std::string StableCaseName(const ::testing::TestParamInfo<TStableCase>& info) {
    return info.param.sName;
}

INSTANTIATE_TEST_SUITE_P(Pairs, RepeatedCompile, ::testing::ValuesIn(aStableCases), StableCaseName);

} // namespace
