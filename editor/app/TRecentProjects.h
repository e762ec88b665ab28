#pragma once

#include <QString>
#include <QStringList>

// The recent-project list: full paths, most recent first. It has no length
// limit while the program runs; the settings store keeps its first ten.
class TRecentProjects {
public:
    void Assign(const QStringList& paths) { ProjectList = paths; }
    const QStringList& Items() const { return ProjectList; }

    // Puts a loaded project at the top, once (paths compared regardless of
    // case). Empty paths, missing files and templates are not remembered.
    void Add(const QString& sPath, bool bTemplate);

    // The entries a reopen menu offers: every item but the current project
    // (compared exactly), in order.
    QStringList MenuEntries(const QString& sCurrentProject) const;

private:
    QStringList ProjectList;
};
