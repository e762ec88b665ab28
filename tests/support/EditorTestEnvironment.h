#pragma once

#include "TClock.h"
#include "TWorkingFolders.h"
#include "TestSupport.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// A clock the test sets by hand.
class TFakeClock : public IClock {
public:
    quint32 TickCount() const override { return iTick; }
    quint32 iTick = 0;
};

// A temporary documents folder, installation with a start-up template and
// settings store for one test; the store is given back on destruction.
class TTestEnvironment {
public:
    TTestEnvironment();
    ~TTestEnvironment();

    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }
    QString StoreFile() const { return Path(QStringLiteral("settings.ini")); }
    TWorkingFolders Folders() const;
    // The working template folder after start-up.
    QString TemplateFolder() const { return Path(QStringLiteral("docs/Brisola/Templates/")); }
    QString LogFolder() const { return Path(QStringLiteral("docs/Brisola/Logging/")); }

    // Writes a single-popup project; bTemplate marks it as a template.
    static void WriteProject(const QString& sFile, bool bTemplate);
    void SetStoreValue(const QString& sName, const QVariant& value) const;

    // The log file's lines without their time stamps.
    QStringList LogLines() const;

    TFakeClock Clock;

private:
    QTemporaryDir Dir;
};
