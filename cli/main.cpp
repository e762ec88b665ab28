// brisola-compile: compiles a saved project without a window.
//
// Runs the compile with the application's default options (save before
// compiling, show the results), prints the results to standard output and
// status lines and errors to standard error. Exit status 0 on success, 1 when
// the project cannot be opened or the compile fails, 2 for bad arguments.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include "CommandLineUi.h"
#include "CompilePipeline.h"
#include "InstalledData.h"
#include "ProjectFiles.h"
#include "TProjectDocument.h"
#include "TScriptForm.h"

namespace {

constexpr int iExitFailure = 1;
constexpr int iExitUsage = 2;

int Compile(const QString& sProjectFile, const QString& sSaveAs, QTextStream& out, QTextStream& err) {
    TProjectDocument project;
    if (!project.Open(sProjectFile)) {
        err << "Error: " << project.GetLastError() << Qt::endl;
        return iExitFailure;
    }
    if (project.Project.InstanceList.IsEmpty()) {
        err << "Error: The project <" << project.Project.sFullProjectName << "> holds no popup" << Qt::endl;
        return iExitFailure;
    }
    if (!sSaveAs.isEmpty()) {
        if (!project.SaveAs(sSaveAs)) {
            err << "Error: " << project.GetLastError() << Qt::endl;
            return iExitFailure;
        }
        err << "Saved as <" << project.Project.sFullProjectName << ">" << Qt::endl;
    }
    TCommandLineUi ui(project, out, err);
    TScriptForm script;
    TCompilePipeline pipeline(project.Project, script, ui, InstalledTemplateFolder());
    pipeline.EditableFiles = project.EditableFiles;
    pipeline.UpLoadIncludeList = project.UpLoadIncludeList;
    if (!pipeline.CompileProject(InstanceRefs(project.Project))) {
        const QString sProblem = ui.FirstProblem();
        err << "brisola-compile: compile failed" << (sProblem.isEmpty() ? QString() : QStringLiteral(": ") + sProblem)
            << Qt::endl;
        return iExitFailure;
    }
    project.UpLoadIncludeList = pipeline.UpLoadIncludeList;
    err << "Preview page: " << ProjectDirectory(project.Project.sFullProjectName)
        << ProjectStem(project.Project.sFullProjectName) << "_Preview.html" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brisola-compile"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRISOLA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compiles a Brisola project into the runtime library, the linking script, the content and mask files and the "
        "preview page, in the project's folder, and prints what to paste into the web page and which files to "
        "upload."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption saveAsOption(
        QStringLiteral("save-as"),
        QStringLiteral("Save the project (or a template) as FILE.zrj first and compile that copy."),
        QStringLiteral("FILE.zrj"));
    parser.addOption(saveAsOption);
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("The project file (.zrj) to compile."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1) {
        err << "Usage: brisola-compile [--save-as FILE.zrj] PROJECT.zrj (see --help)" << Qt::endl;
        return iExitUsage;
    }
    return Compile(arguments.front(), parser.value(saveAsOption), out, err);
}
