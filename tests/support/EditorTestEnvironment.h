#pragma once

#include "TScriptedServices.h"
#include "TWorkingFolders.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// The working folders of a test environment whose root is sRoot: documents,
// the installation's templates and the recovery folder.
TWorkingFolders TestFolders(const QString& sRoot);

// A temporary documents folder, installation with a start-up template and
// settings store for one test, with scripted services over that store.
class TTestEnvironment {
    QTemporaryDir Dir; // first: the services' store lives in it

public:
    TTestEnvironment();

    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }
    QString StoreFile() const { return Path(QStringLiteral("settings.ini")); }
    TWorkingFolders Folders() const { return TestFolders(Dir.path()); }
    QString RecoveryFolder() const { return Folders().sRecoveryFolder; }
    // The working template folder after start-up.
    QString TemplateFolder() const { return Path(QStringLiteral("docs/Brisola/Templates/")); }
    QString LogFolder() const { return Path(QStringLiteral("docs/Brisola/Logging/")); }

    // Writes a single-popup project; bTemplate marks it as a template.
    static void WriteProject(const QString& sFile, bool bTemplate);
    void SetStoreValue(const QString& sName, const QVariant& value) const;

    // The log file's lines without their time stamps.
    QStringList LogLines() const;

    TScriptedServices Services{StoreFile()};
};

// A temporary home for a started copy of the editor program: documents,
// settings and runtime folder of its own, as a user's session has them.
class TEditorProcessHome {
public:
    TEditorProcessHome();
    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }
    // The environment of a start on the given display platform.
    QProcessEnvironment Environment(const QString& sPlatform = QStringLiteral("offscreen")) const;
    // Whether the session log holds a line containing the text.
    bool LogContains(const QString& sText) const;

private:
    QTemporaryDir Dir;
};
