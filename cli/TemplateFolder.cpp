#include "TemplateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString InstalledTemplateFolder() {
    const QString sInstalled =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(BRISOLA_INSTALLED_TEMPLATE_DIR));
    if (QFileInfo(sInstalled + QStringLiteral("/Modal1.zrx")).isFile()) {
        return QDir::cleanPath(sInstalled) + u'/';
    }
    return QStringLiteral(BRISOLA_SOURCE_TEMPLATE_DIR) + u'/';
}
