#include "FileUtils.h"

#include "StringUtils.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Application data shared by all users: the last of the desktop's data
// folders, unless that is the user's own.
QString CommonDataFolder() {
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (folders.isEmpty() || folders.last() == QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) {
        return QString();
    }
    return folders.last();
}

bool CopyFileReplacing(const QString& sSource, const QString& sTarget) {
    const QFileInfo target(sTarget);
    if (target.isDir() && !target.isSymLink()) {
        return false;
    }
    if (target.exists() && target.canonicalFilePath() == QFileInfo(sSource).canonicalFilePath()) {
        return false;
    }
    if (!QDir().mkpath(target.absolutePath())) {
        return false;
    }
    if ((target.exists() || target.isSymLink()) && !QFile::remove(sTarget)) {
        return false;
    }
    return QFile::copy(sSource, sTarget);
}

bool CopyTree(const QString& sSource, const QString& sTarget) {
    if (!QDir().mkpath(sTarget)) {
        return false;
    }
    const QFileInfoList entries =
        QDir(sSource).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        const QString sEntryTarget = sTarget + QLatin1Char('/') + entry.fileName();
        bool bCopied = false;
        if (entry.isSymLink() && entry.isDir()) {
            // A linked folder is copied as the link: following it could loop.
            QFile::remove(sEntryTarget);
            bCopied = QFile::link(entry.symLinkTarget(), sEntryTarget);
        } else if (entry.isDir()) {
            bCopied = CopyTree(entry.filePath(), sEntryTarget);
        } else {
            bCopied = CopyFileReplacing(entry.filePath(), sEntryTarget);
        }
        if (!bCopied) {
            return false;
        }
    }
    return true;
}

bool IsSameOrInside(const QString& sPath, const QString& sFolder) {
    const QString sCleanPath = QDir::cleanPath(QFileInfo(sPath).absoluteFilePath());
    const QFileInfo folder(sFolder);
    for (const QString& sCleanFolder : {QDir::cleanPath(folder.absoluteFilePath()), folder.canonicalFilePath()}) {
        if (sCleanPath == sCleanFolder || sCleanPath.startsWith(sCleanFolder + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

} // namespace

QString GetSpecialFolder(CSpecialFolder folder) {
    switch (folder) {
    case CSpecialFolder::sfDocuments:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case CSpecialFolder::sfAppData:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case CSpecialFolder::sfCommonAppData:
        return CommonDataFolder();
    case CSpecialFolder::sfDesktop:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case CSpecialFolder::sfTemp:
        return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QString();
}

bool ShellDelete(const QString& sPath) {
    const QString sTarget = RemoveTrailingBackslash(sPath);
    const QFileInfo info(sTarget);
    if (sTarget.isEmpty() || !(info.exists() || info.isSymLink())) {
        return false;
    }
    const bool bFolder = info.isDir() && !info.isSymLink();
    if (bFolder && QDir(sTarget).isRoot()) {
        return false;
    }
    if (QFile::moveToTrash(sTarget)) {
        return true;
    }
    return bFolder ? QDir(sTarget).removeRecursively() : QFile::remove(sTarget);
}

bool ShellCopy(const QString& sSource, const QString& sTarget) {
    const QString sFrom = RemoveTrailingBackslash(sSource);
    const QString sTo = RemoveTrailingBackslash(sTarget);
    const QFileInfo source(sFrom);
    if (sFrom.isEmpty() || sTo.isEmpty() || !source.exists()) {
        return false;
    }
    const QFileInfo target(sTo);
    const QString sDestination = target.isDir() ? sTo + QLatin1Char('/') + source.fileName() : sTo;
    if (!source.isDir()) {
        return CopyFileReplacing(sFrom, sDestination);
    }
    if (IsSameOrInside(sDestination, sFrom) || QFileInfo(sDestination).isFile()) {
        return false;
    }
    return CopyTree(sFrom, sDestination);
}

bool WriteTextFile(const QString& sFileName, const QString& sText) {
    return WriteTextLines(sFileName, SplitTextLines(sText));
}
