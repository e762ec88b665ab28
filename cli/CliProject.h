#pragma once

#include <QString>
#include <QStringList>

#include "TZEPProject.h"

// A project opened from the command line: the project record with the
// project file's editable and upload lists, and the saves a compile asks for.
class TCliProject {
public:
    // Opens the project file. Fails with a message for a missing file, a file
    // that is not a project and a project that does not load.
    bool Open(const QString& sFileName);
    // Saves the project under its current name.
    bool Save();
    // Saves the project under a new name (a template becomes a project there).
    bool SaveAs(const QString& sFileName);
    QString GetLastError() const { return sLastError; }

    TZEPProject Project;
    QStringList EditableFiles;
    QStringList UpLoadIncludeList;

private:
    bool Fail(const QString& sMessage);
    QString sLastError;
};
