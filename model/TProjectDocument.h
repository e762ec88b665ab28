#pragma once

#include "TZEPProject.h"

#include <QString>
#include <QStringList>

// A project file and the project record read from it, with the file's
// editable and upload-include lists: opened, saved under its name and saved
// under a new one. The editor and the command-line compiler both keep their
// project in one.
class TProjectDocument {
public:
    // True when the file exists, can be read and its "SYSTEM" section has a
    // "Template" key; otherwise sReason, when given, receives why not, in the
    // words of Open.
    static bool IsProjectFile(const QString& sFileName, QString* sReason = nullptr);

    // Opens the project file into the record. Fails with a message for a
    // missing file, a file that is not a project and a project that does not
    // load; with bTemplateRequired a project that is not a template is refused.
    bool Open(const QString& sFileName, bool bTemplateRequired = false);
    // Writes the record, its side files and both lists to the project file.
    bool Save();
    // Saves under a new name, creating its folder: a template becomes a
    // project there, and the attached and editable files that are missing in
    // the new folder are copied from the folder the project was loaded from.
    // A failed save keeps the previous name and template flag.
    bool SaveAs(const QString& sFileName);
    QString GetLastError() const { return sLastError; }

    TZEPProject Project;
    QStringList EditableFiles;
    QStringList UpLoadIncludeList;

private:
    bool CopyEditableFiles(const QString& sTargetDir);
    bool Fail(const QString& sMessage);
    QString sLastError;
};
