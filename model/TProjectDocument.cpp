#include "TProjectDocument.h"

#include "ProjectFiles.h"
#include "TProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString sSystemSection = QStringLiteral("SYSTEM");
const QString sTemplateKey = QStringLiteral("Template");

// Opens the project file for reading. Fails with the reason for a missing
// file, one that cannot be read (a pipe, device or folder among them) and one
// without the "SYSTEM" "Template" key.
bool OpenProjectFile(const QString& sPath, TProfileFile& projectFile, QString& sError) {
    if (!QFileInfo::exists(sPath)) {
        sError = QStringLiteral("Project file <") + sPath + QStringLiteral("> does not exist");
        return false;
    }
    if (!projectFile.Open(sPath)) {
        sError = projectFile.GetLastError();
        return false;
    }
    if (!projectFile.ValueExists(sSystemSection, sTemplateKey)) {
        sError = QStringLiteral("The file <") + sPath + QStringLiteral("> is not a Brisola project");
        return false;
    }
    return true;
}

} // namespace

bool TProjectDocument::Fail(const QString& sMessage) {
    sLastError = sMessage;
    return false;
}

bool TProjectDocument::IsProjectFile(const QString& sFileName, QString* sReason) {
    TProfileFile projectFile;
    QString sError;
    if (OpenProjectFile(QFileInfo(sFileName).absoluteFilePath(), projectFile, sError))
        return true;
    if (sReason != nullptr)
        *sReason = sError;
    return false;
}

bool TProjectDocument::Open(const QString& sFileName, bool bTemplateRequired) {
    sLastError.clear();
    const QString sPath = QFileInfo(sFileName).absoluteFilePath();
    TProfileFile projectFile;
    QString sError;
    if (!OpenProjectFile(sPath, projectFile, sError))
        return Fail(sError);
    Project.sFullProjectName = sPath;
    if (!Project.LoadFromIniFile(projectFile, bTemplateRequired))
        return Fail(Project.GetLastError());
    Project.sLoadedProjectPath = ProjectDirectory(sPath);
    EditableFiles = ReadEditableFileNames(projectFile, Project.sLoadedProjectPath);
    UpLoadIncludeList = ReadUploadIncludeList(projectFile);
    return true;
}

bool TProjectDocument::Save() {
    sLastError.clear();
    if (ProjectStem(Project.sFullProjectName).isEmpty())
        return Fail(QStringLiteral("The project file <") + Project.sFullProjectName + QStringLiteral("> has no name"));
    TProfileFile projectFile;
    if (!projectFile.Open(Project.sFullProjectName))
        return Fail(projectFile.GetLastError());
    if (!Project.SaveToIniFile(projectFile))
        return Fail(Project.GetLastError());
    WriteEditableFileNames(projectFile, EditableFiles);
    WriteUploadIncludeFiles(projectFile, UpLoadIncludeList);
    if (!projectFile.UpdateFile())
        return Fail(projectFile.GetLastError());
    return true;
}

bool TProjectDocument::SaveAs(const QString& sFileName) {
    sLastError.clear();
    const QString sPath = QFileInfo(sFileName).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(sPath).absolutePath()))
        return Fail(QStringLiteral("Unable to create the folder of <") + sPath + u'>');
    const QString sPrevious = Project.sFullProjectName;
    const quint8 bWasTemplate = Project.bTemplate;
    Project.sFullProjectName = sPath;
    Project.bTemplate = 0;
    if (!Save()) {
        Project.sFullProjectName = sPrevious;
        Project.bTemplate = bWasTemplate;
        return false;
    }
    const QString sTargetDir = ProjectDirectory(sPath);
    if (!CopyEditableFiles(sTargetDir))
        return false;
    Project.sLoadedProjectPath = sTargetDir;
    return true;
}

bool TProjectDocument::CopyEditableFiles(const QString& sTargetDir) {
    for (const QString& sFile : EditableFiles) {
        const QString sSource = Project.sLoadedProjectPath + LocalPath(sFile);
        const QString sTarget = sTargetDir + LocalPath(sFile);
        if (sSource != sTarget && !QFileInfo::exists(sTarget) && !QFile::copy(sSource, sTarget))
            return Fail(QStringLiteral("Failed to copy editable file <") + sSource + QStringLiteral("> to <") +
                        sTarget + u'>');
    }
    return true;
}
