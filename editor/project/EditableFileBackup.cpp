#include "EditableFileBackup.h"

#include "ProjectFiles.h"
#include "StringUtils.h"
#include "TFileLists.h"
#include "TProfileFile.h"

#include <QFile>
#include <QFileInfo>

QString BackupName(const QString& sFile) {
    return sFile + QStringLiteral("$$$BAK");
}

int RecoverEditableFileBackups(const QString& sProjectDir, const QStringList& FileNames, const TLogLine& log) {
    int iRestored = 0;
    for (const QString& sName : FileNames) {
        const QString sFile = sProjectDir + QFileInfo(sName.trimmed()).fileName();
        const QString sBackup = BackupName(sFile);
        if (sName.trimmed().isEmpty() || !QFileInfo::exists(sBackup))
            continue;
        if (QFileInfo::exists(sFile) && !QFile::remove(sFile)) {
            log(QStringLiteral("Unable to delete temporary file ") + Bracketed(sFile));
            continue;
        }
        if (QFile::rename(sBackup, sFile)) {
            log(QStringLiteral("Restored file ") + Bracketed(sFile) + QStringLiteral(" from left-over backup ") +
                Bracketed(sBackup));
            ++iRestored;
        } else {
            log(QStringLiteral("Unable to restore file ") + Bracketed(sBackup));
        }
    }
    return iRestored;
}

int RecoverProjectFileBackups(const QString& sProjectFile, const TLogLine& log) {
    TProfileFile projectFile;
    if (!QFileInfo(sProjectFile).isFile() || !projectFile.Open(sProjectFile))
        return 0;
    QStringList names;
    for (int k = 1; k <= TFileLists::iMaxEditableFiles; ++k) {
        const QString sName =
            projectFile.ReadString(QStringLiteral("AUX_FILES"), QStringLiteral("File") + QString::number(k), QString())
                .trimmed();
        if (sName.isEmpty())
            break;
        names.append(sName);
    }
    return RecoverEditableFileBackups(ProjectDirectory(sProjectFile), names, log);
}
