// A project named on the command line that cannot be opened: the start-up
// template opens instead, and the reason goes to an error box, the session
// log and the status bar. A pipe in place of a file is refused at once.

#include "MainFormTestSupport.h"

#include "TZEPProject.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Puts something at sPath (the named project file) and answers the reason the
// editor must give for not opening it.
struct TRefusalCase {
    const char* sName;
    std::function<QString(TTestEnvironment&, const QString& sPath)> Prepare;
};

void WriteText(const QString& sPath, const QByteArray& text) {
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void MakePipe(const QString& sPath) {
    ASSERT_EQ(mkfifo(QFile::encodeName(sPath).constData(), 0600), 0);
}

const TRefusalCase aCases[] = {
    {"Missing", [](TTestEnvironment&, const QString& sPath) { return "Project file <" + sPath + "> does not exist"; }},
    {"Empty",
     [](TTestEnvironment&, const QString& sPath) {
         WriteText(sPath, {});
         return "The file <" + sPath + "> is not a Brisola project";
     }},
    {"NotAProject",
     [](TTestEnvironment&, const QString& sPath) {
         WriteText(sPath, "notes\r\n[SECTION]\r\nKey=1\r\n");
         return "The file <" + sPath + "> is not a Brisola project";
     }},
    {"Pipe",
     [](TTestEnvironment&, const QString& sPath) {
         MakePipe(sPath);
         return "Unable to read <" + sPath + ">: it is not a regular file";
     }},
    {"Folder",
     [](TTestEnvironment&, const QString& sPath) {
         QDir().mkpath(sPath);
         return "Unable to read <" + sPath + ">: it is not a regular file";
     }},
    {"HtmlFileIsAPipe",
     [](TTestEnvironment&, const QString& sPath) {
         TTestEnvironment::WriteProject(sPath, false);
         const QString sHtml = sPath.left(sPath.lastIndexOf(u'.')) + QStringLiteral(".html");
         QFile::remove(sHtml);
         MakePipe(sHtml);
         return "Object loading error <Error loading HTML file <" + sHtml + ">: it is not a regular file>";
     }},
};

class StartUpRefusal : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(StartUpRefusal, OpensTheTemplateAndSaysWhy) {
    TMainFormEnvironment env;
    const QString sPath = env.Path(QStringLiteral("named.zrj"));
    const QString sReason = GetParam().Prepare(env, sPath);
    env.Services.ExpectQuestion(sReason, QMessageBox::Ok);
    const std::unique_ptr<TMainForm> form = env.CreateMainForm({sPath});
    ASSERT_TRUE(form);
    env.Services.VerifyAllAsked();
    EXPECT_EQ(form->CurrentProject().sFullProjectName, env.TemplateFolder() + QStringLiteral("Default.zrj"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Brisola - V4.0 - Default"));
    EXPECT_EQ(form->StatusText(), sReason);
    const QStringList lines = env.LogLines();
    EXPECT_TRUE(lines.contains(sReason)) << sReason.toStdString();
    const qsizetype iTemplateLoaded = lines.indexOf(QStringLiteral("Status [Loaded Project <") + env.TemplateFolder() +
                                                    QStringLiteral("Default.zrj>]"));
    EXPECT_GE(iTemplateLoaded, 0);
    EXPECT_GT(lines.indexOf(QStringLiteral("Status [") + sReason + u']'), iTemplateLoaded);
}

std::string CaseName(const ::testing::TestParamInfo<TRefusalCase>& info) {
    return info.param.sName;
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpRefusal, ::testing::ValuesIn(aCases), CaseName);

} // namespace
