#include "CliProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ProjectFiles.h"
#include "TProfileFile.h"

bool TCliProject::Fail(const QString& sMessage) {
    sLastError = sMessage;
    return false;
}

bool TCliProject::Open(const QString& sFileName) {
    const QString sPath = QFileInfo(sFileName).absoluteFilePath();
    if (!QFileInfo::exists(sPath)) {
        return Fail(QStringLiteral("Project file <") + sPath + QStringLiteral("> does not exist"));
    }
    TProfileFile projectFile;
    if (!projectFile.Open(sPath)) {
        return Fail(projectFile.GetLastError());
    }
    if (!projectFile.ValueExists(QStringLiteral("SYSTEM"), QStringLiteral("Template"))) {
        return Fail(QStringLiteral("The file <") + sPath + QStringLiteral("> is not a Brisola project"));
    }
    Project.sFullProjectName = sPath;
    if (!Project.LoadFromIniFile(projectFile, false)) {
        return Fail(Project.GetLastError());
    }
    if (Project.InstanceList.IsEmpty()) {
        return Fail(QStringLiteral("The project <") + sPath + QStringLiteral("> holds no popup"));
    }
    Project.sLoadedProjectPath = ProjectDirectory(sPath);
    EditableFiles = ReadEditableFileNames(projectFile, Project.sLoadedProjectPath);
    UpLoadIncludeList = ReadUploadIncludeList(projectFile);
    return true;
}

bool TCliProject::Save() {
    TProfileFile projectFile;
    if (!projectFile.Open(Project.sFullProjectName)) {
        return Fail(projectFile.GetLastError());
    }
    if (!Project.SaveToIniFile(projectFile)) {
        return Fail(Project.GetLastError());
    }
    WriteEditableFileNames(projectFile, EditableFiles);
    WriteUploadIncludeFiles(projectFile, UpLoadIncludeList);
    if (!projectFile.UpdateFile()) {
        return Fail(projectFile.GetLastError());
    }
    Project.bTemplate = 0;
    return true;
}

bool TCliProject::SaveAs(const QString& sFileName) {
    const QString sPath = QFileInfo(sFileName).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(sPath).absolutePath())) {
        return Fail(QStringLiteral("Unable to create the folder of <") + sPath + u'>');
    }
    const QString sPrevious = Project.sFullProjectName;
    Project.sFullProjectName = sPath;
    if (!Save()) {
        Project.sFullProjectName = sPrevious;
        return false;
    }
    // The editable files go along, as the attached files do with the save.
    const QString sTargetDir = ProjectDirectory(sPath);
    for (const QString& sFile : EditableFiles) {
        const QString sTarget = sTargetDir + sFile;
        if (!QFileInfo::exists(sTarget) && !QFile::copy(Project.sLoadedProjectPath + sFile, sTarget)) {
            return Fail(QStringLiteral("Failed to copy editable file <") + Project.sLoadedProjectPath + sFile +
                        QStringLiteral("> to <") + sTarget + u'>');
        }
    }
    Project.sLoadedProjectPath = sTargetDir;
    return true;
}
