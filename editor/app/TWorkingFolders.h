#pragma once

#include <QDate>
#include <QString>

class IEditorServices;
class TLog;

// The user's working folders under the documents folder, the day's log file,
// and the per-version refresh of the user's template folder from the
// installation's master copy. Folder texts end with a separator.
class TWorkingFolders {
public:
    // Where the folders live; the defaults come from the desktop and the
    // installation, tests give temporary folders.
    QString sDocumentsFolder;
    QString sInstalledTemplates; // the installation's master copy, with a trailing separator
    QString sRecoveryFolder;     // where the unsaved state is journalled, in the user's application data

    // Filled by Prepare.
    QString sWorkingFolder; // no trailing separator
    QString sLogFolder;
    QString sUserPath;
    QString sBaseTemplatePath;

    // The user's documents folder and the installation's templates.
    static TWorkingFolders FromDesktop();

    // Creates the folders, opens the day's log through the given log and runs
    // the first-run check of this three-part version in the services' store.
    // False, with the reason reported and logged, when a folder, the store or
    // the template refresh fails.
    bool Prepare(TLog& log, IEditorServices& services, const QString& sExeName, const QDate& today);

private:
    bool RefreshTemplates(TLog& log, IEditorServices& services);
};
