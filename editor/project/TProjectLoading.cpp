// The commands of TProjectCommands that load a project into the window.
#include "EditableFileBackup.h"
#include "ProjectFiles.h"
#include "StringUtils.h"
#include "TAppSettings.h"
#include "TEditableFilePages.h"
#include "TEditorServices.h"
#include "TLog.h"
#include "TProjectCommands.h"
#include "TProjectDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool SameFolder(const QString& sA, const QString& sB) {
    return QDir::cleanPath(sA.trimmed()).compare(QDir::cleanPath(sB.trimmed()), Qt::CaseInsensitive) == 0;
}

} // namespace

bool TProjectCommands::LoadProject(bool bTemplateRequired) {
    const QString sPath = Document.Project.sFullProjectName;
    if (!TProjectDocument::IsProjectFile(sPath))
        return false;
    TLog& log = Window.Log();
    RecoverProjectFileBackups(sPath, [&log](const QString& sLine) { log.Add(sLine); });
    if (!Document.Open(sPath, bTemplateRequired)) {
        ShowError(Document.GetLastError());
        return false;
    }
    Pages.RemoveAllEditableFilePages();
    for (const QString& sFile : Document.EditableFiles)
        Pages.AddEditableFilePage(sFile);
    Window.ShowLoadedProject();
    bNoProjectLoaded = false;
    log.Add(QStringLiteral("Project ") + Bracketed(sPath) + QStringLiteral(" loaded successfully"));
    ProjectList.Add(sPath, Document.Project.bTemplate == 1);
    Window.ShowRecentProjects(ProjectList.MenuEntries(sPath));
    return true;
}

void TProjectCommands::LoadFailed(const QString& sStatus, const QString& sNextProjectName) {
    Window.Status(sStatus);
    Window.SetNoProjectTitle();
    Document.Project.sFullProjectName = sNextProjectName;
    bNoProjectLoaded = true;
}

void TProjectCommands::StartUpLoad(const QStringList& arguments, const QString& sStartUpTemplate) {
    Window.Log().Add(QStringLiteral("ParamCount = %1, ParamStr(1) = %2").arg(arguments.size()).arg(arguments.value(0)));
    QString& sProject = Document.Project.sFullProjectName;
    bool bLoaded = false;
    QString sRefusal; // why the project named on the command line did not open
    if (arguments.size() == 1 && QFileInfo(arguments[0]).suffix().toUpper() == QStringLiteral("ZRJ")) {
        sProject = QFileInfo(arguments[0]).absoluteFilePath();
        bLoaded = LoadProject(false);
        // A project whose load failed has shown its reason already; a file that is no project says why here.
        if (!bLoaded && TProjectDocument::IsProjectFile(sProject, &sRefusal))
            sRefusal = Document.GetLastError();
        else if (!bLoaded)
            ShowError(sRefusal);
    }
    if (!bLoaded) {
        sProject = sStartUpTemplate;
        bLoaded = LoadProject(true);
    }
    if (bLoaded) {
        Window.SetProjectTitle();
        Window.Status(QStringLiteral("Loaded Project ") + Bracketed(sProject));
    } else {
        Window.SetNoProjectTitle();
        sProject.clear();
    }
    if (!sRefusal.isEmpty())
        Window.Status(sRefusal);
}

// An edited project is offered a save first; a save that did not write the
// project stops the command, so no change is dropped after a Yes.
bool TProjectCommands::AskToSaveFirst() {
    return !Window.IsEdited() || !Ask(QStringLiteral("Save current project first?")) || Save();
}

void TProjectCommands::NewProject() {
    if (!AskToSaveFirst())
        return;
    const QString sFile = ChooseProjectFile(QStringLiteral("New Project"), Settings.sUserTemplatePath);
    if (sFile.isEmpty())
        return;
    Document.Project.sFullProjectName = sFile;
    if (!LoadProject(true)) {
        LoadFailed(QStringLiteral("Error loading template project ") + Bracketed(sFile),
                   QCoreApplication::applicationDirPath());
        return;
    }
    Window.SetProjectTitle();
    Window.PreviewChange();
    Window.Status(QStringLiteral("Loaded Template Project ") + Bracketed(sFile));
    Settings.sUserTemplatePath = ProjectDirectory(sFile);
}

void TProjectCommands::OpenProject() {
    if (!AskToSaveFirst())
        return;
    const TZEPProject& project = Document.Project;
    QString sStart = project.sFullProjectName;
    if (ProjectStem(sStart).isEmpty() || SameFolder(ProjectDirectory(sStart), Window.BaseTemplatePath())) {
        if (Settings.sDefaultProjectDir.isEmpty() || !QFileInfo(Settings.sDefaultProjectDir).isDir())
            Settings.sDefaultProjectDir = Window.BaseLocation();
        sStart = Settings.sDefaultProjectDir;
    }
    const QString sFile = ChooseProjectFile(QStringLiteral("Open Project"), sStart);
    if (sFile.isEmpty())
        return;
    Document.Project.sFullProjectName = sFile;
    if (!LoadProject(false)) {
        LoadFailed(QStringLiteral("Error loading project ") + Bracketed(sFile), Settings.sDefaultProjectDir);
        return;
    }
    Window.SetProjectTitle();
    Window.PreviewChange();
    Window.Status(QStringLiteral("Loaded Project ") + Bracketed(sFile));
    Settings.sDefaultProjectDir = ProjectDirectory(sFile);
}

void TProjectCommands::Reopen(const QString& sEntry) {
    if (!AskToSaveFirst())
        return;
    const QString sFile = sEntry.trimmed();
    Document.Project.sFullProjectName = sFile;
    if (!LoadProject(false)) {
        LoadFailed(QStringLiteral("Error loading project ") + Bracketed(sFile), QCoreApplication::applicationDirPath());
        return;
    }
    Window.SetProjectTitle();
    Window.PreviewChange();
    Window.Status(QStringLiteral("Loaded Project ") + Bracketed(sFile));
}
