#include "ProjectFiles.h"

#include "TProfileFile.h"
#include "TextFile.h"

#include <QFileInfo>

#include <array>

namespace {

const QString sAuxSection = QStringLiteral("AUX_FILES");
const QString sUploadSection = QStringLiteral("UPLOAD_INCLUDE_FILES");
constexpr int iMaxEditableFiles = 6;

} // namespace

QString FileKey(int k) {
    // Every instance reads and writes the first names: they are made once.
    static const std::array<QString, 16> aNames = [] {
        std::array<QString, 16> names;
        for (size_t i = 0; i < names.size(); ++i) {
            names[i] = QStringLiteral("File") + QString::number(i);
        }
        return names;
    }();
    return k >= 0 && size_t(k) < aNames.size() ? aNames[size_t(k)] : QStringLiteral("File") + QString::number(k);
}

QString ProjectDirectory(const QString& sFullProject) {
    return sFullProject.left(sFullProject.lastIndexOf('/') + 1);
}

QString ProjectStem(const QString& sFullProject) {
    const QString sName = sFullProject.mid(sFullProject.lastIndexOf('/') + 1);
    const qsizetype iDot = sName.lastIndexOf('.');
    return (iDot < 0 ? sName : sName.left(iDot)).trimmed();
}

QString ContentFileName(const QString& sFullProject) {
    return ProjectDirectory(sFullProject) + ProjectStem(sFullProject) + QStringLiteral("_ZEPcontent.js");
}

bool WriteSideFile(TProfileFile& fProjFile, const QString& sFile, const QStringList& lines) {
    const CTextFileWrite result = WriteChangedTextLines(sFile, lines);
    if (result == twWritten) {
        fProjFile.MarkModified();
    }
    return result != twFailed;
}

bool IsInsideDirectory(const QString& sRelativeName) {
    const QString sPath = LocalPath(sRelativeName);
    if (sPath.startsWith('/') || (sPath.size() >= 2 && sPath[1] == ':')) {
        return false;
    }
    const QStringList parts = sPath.split('/');
    return !parts.contains(QStringLiteral(".."));
}

QString LocalPath(const QString& sRelativeName) {
    QString sPath = sRelativeName;
    return sPath.replace('\\', '/');
}

QStringList ReadEditableFileNames(const TProfileFile& fProjFile, const QString& sProjectDir) {
    QStringList names;
    for (int k = 1; k <= iMaxEditableFiles; ++k) {
        const QString sName = fProjFile.ReadString(sAuxSection, FileKey(k), QString()).trimmed();
        if (sName.isEmpty() || !IsInsideDirectory(sName) || !QFileInfo::exists(sProjectDir + LocalPath(sName))) {
            break;
        }
        names.append(sName);
    }
    return names;
}

void WriteEditableFileNames(TProfileFile& fProjFile, const QStringList& EditableFiles) {
    for (int k = 1; k <= iMaxEditableFiles; ++k) {
        const QString sName = k <= EditableFiles.size() ? QFileInfo(EditableFiles[k - 1]).fileName() : QString();
        fProjFile.WriteString(sAuxSection, FileKey(k), sName);
    }
}

QStringList ReadUploadIncludeList(const TProfileFile& fProjFile) {
    QStringList names;
    const qsizetype iCount = fProjFile.ReadSection(sUploadSection).size();
    for (int k = 0; k < iCount; ++k) {
        const QString sName = fProjFile.ReadString(sUploadSection, FileKey(k), QString()).trimmed();
        if (!sName.isEmpty()) {
            names.append(sName);
        }
    }
    return names;
}

void WriteUploadIncludeFiles(TProfileFile& fProjFile, const QStringList& UpLoadIncludeList) {
    for (int k = 0; k < UpLoadIncludeList.size(); ++k) {
        fProjFile.WriteString(sUploadSection, FileKey(k), UpLoadIncludeList[k].trimmed());
    }
}

bool WriteUploadIncludeList(const QString& sProjectFile, const QStringList& UpLoadIncludeList, QString& sError) {
    sError.clear();
    if (ProjectStem(sProjectFile).isEmpty()) {
        sError = "The project file <" + sProjectFile + "> has no name";
        return false;
    }
    TProfileFile fProjFile;
    if (!fProjFile.Open(sProjectFile)) {
        sError = fProjFile.GetLastError();
        return false;
    }
    fProjFile.EraseSection(sUploadSection);
    WriteUploadIncludeFiles(fProjFile, UpLoadIncludeList);
    if (!fProjFile.UpdateFile()) {
        sError = fProjFile.GetLastError();
        return false;
    }
    return true;
}
