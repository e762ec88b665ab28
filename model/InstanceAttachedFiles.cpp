// The attached files of a popup: their names in the project file and the
// copies beside the project that a save to another folder needs.
#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPInstance.h"
#include "TZEPProject.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

void TZEPInstance::ReadAttachedFiles(const TProfileFile& fProjFile) {
    BinaryGraphicFiles.clear();
    const QString sSection = "ATTACHED_FILES" + Suffix();
    for (int k = 1; k <= iMaxAttachedFiles; ++k) {
        const QString sName = fProjFile.ReadString(sSection, FileKey(k), QString()).trimmed();
        if (sName.isEmpty()) {
            break;
        }
        BinaryGraphicFiles.append(sName);
    }
}

namespace {

// Copies sSource to sTarget; on failure leaves the reason in sError.
bool CopyAttachedFile(const QString& sSource, const QString& sTarget, QString& sError) {
    QFile source(sSource);
    if (!source.copy(sTarget)) {
        sError = "Failed to copy attached file <" + sSource + "> to <" + sTarget + "> - " + source.errorString();
        return false;
    }
    return true;
}

QString NotInsideMessage(const QString& sName) {
    return "Attached file <" + sName + "> is not inside the project directory";
}

} // namespace

bool TZEPInstance::WriteAttachedFiles(TProfileFile& fProjFile, const QString& sFullProject) {
    const QString sSection = "ATTACHED_FILES" + Suffix();
    const QString sSourceDir = oProject ? oProject->sLoadedProjectPath : QString();
    const QString sTargetDir = ProjectDirectory(sFullProject);
    for (int k = 1; k <= iMaxAttachedFiles; ++k) {
        const QString sName = k <= BinaryGraphicFiles.size() ? BinaryGraphicFiles[k - 1] : QString();
        if (!sName.isEmpty()) {
            if (!IsInsideDirectory(sName)) {
                return Fail(NotInsideMessage(sName));
            }
            const QString sSource = sSourceDir + LocalPath(sName);
            const QString sTarget = sTargetDir + LocalPath(sName);
            // A project that was never loaded has no directory to take files from.
            if (!sSourceDir.isEmpty() && sSource != sTarget && !QFileInfo::exists(sTarget)) {
                const QString sDir = QFileInfo(sTarget).path();
                std::error_code error;
                std::filesystem::create_directories(QFile::encodeName(sDir).toStdString(), error);
                if (error) {
                    return Fail("Failed to create directory <" + sDir + "> - " +
                                QString::fromLocal8Bit(error.message()));
                }
                if (!CopyAttachedFile(sSource, sTarget, sLastError)) {
                    return false;
                }
            }
        }
        fProjFile.WriteString(sSection, FileKey(k), sName);
    }
    return true;
}

bool TZEPInstance::CopyAttachedFiles(const QString& sSrcDir) {
    sLastError.clear();
    const QString sTargetDir = oProject ? ProjectDirectory(oProject->sFullProjectName) : QString();
    for (const QString& sName : std::as_const(BinaryGraphicFiles)) {
        if (!IsInsideDirectory(sName)) {
            return Fail(NotInsideMessage(sName));
        }
        const QString sSource = sSrcDir + LocalPath(sName);
        const QString sTarget = sTargetDir + QFileInfo(sSource).fileName();
        if (sSource != sTarget && !QFileInfo::exists(sTarget) && !CopyAttachedFile(sSource, sTarget, sLastError)) {
            return false;
        }
    }
    return true;
}
