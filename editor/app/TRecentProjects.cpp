#include "TRecentProjects.h"

#include <QFileInfo>

void TRecentProjects::Add(const QString& sPath, bool bTemplate) {
    if (sPath.isEmpty() || !QFileInfo::exists(sPath) || bTemplate)
        return;
    ProjectList.removeIf([&](const QString& sItem) { return sItem.compare(sPath, Qt::CaseInsensitive) == 0; });
    ProjectList.prepend(sPath);
}

QStringList TRecentProjects::MenuEntries(const QString& sCurrentProject) const {
    QStringList entries;
    for (const QString& sItem : ProjectList) {
        if (sItem != sCurrentProject)
            entries.append(sItem);
    }
    return entries;
}
