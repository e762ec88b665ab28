// brisola-compile: loads a project and lists its popups.

#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

int Fail(const QString& sMessage) {
    QTextStream(stderr) << "brisola-compile: " << sMessage << Qt::endl;
    return 1;
}

QString Flag(quint8 bValue) { return bValue == 1 ? QStringLiteral("yes") : QStringLiteral("no"); }

void PrintProject(const TZEPProject& project, QTextStream& out) {
    out << "Project <" << project.sFullProjectName << ">: " << project.InstanceList.Count()
        << (project.InstanceList.Count() == 1 ? " popup" : " popups")
        << (project.bMultipleInstances ? " (multi-popup)" : " (single popup)") << Qt::endl;
    for (const auto& entry : project.InstanceList) {
        const TZEPInstance& o = *entry.oInstance;
        out << "  " << o.sUniqueID.trimmed() << ": title \"" << o.sTitle << "\" (shown: " << Flag(o.bTitleSelected)
            << "), location " << TextFromLocation(o.Location) << ", size " << o.iWidth << " x " << o.iHeight
            << ", top " << o.iTop << ", left " << o.iLeft << Qt::endl;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        return Fail("usage: brisola-compile PROJECT.zrj");
    }
    const QFileInfo info(args[0]);
    if (!info.isFile()) {
        return Fail("The project file <" + args[0] + "> does not exist");
    }
    TZEPProject project;
    project.sFullProjectName = info.absoluteFilePath();
    TProfileFile file;
    if (!file.Open(project.sFullProjectName)) {
        return Fail(file.GetLastError());
    }
    if (!file.ValueExists("SYSTEM", "Template")) {
        return Fail("The file <" + project.sFullProjectName + "> is not a project");
    }
    if (!project.LoadFromIniFile(file, false)) {
        return Fail(project.GetLastError());
    }
    QTextStream out(stdout);
    PrintProject(project, out);
    return 0;
}
