#include "InstalledData.h"

#include <QCoreApplication>
#include <QDir>

QString InstalledTemplateFolder() {
    const QDir installed(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(BRISOLA_INSTALLED_TEMPLATE_DIR)));
    if (installed.exists())
        return installed.absolutePath() + u'/';
    return QStringLiteral(BRISOLA_SOURCE_TEMPLATE_DIR) + u'/';
}
