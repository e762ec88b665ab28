#include "EditorTestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TTestEnvironment::TTestEnvironment() {
    QDir().mkpath(Path(QStringLiteral("docs")));
    QDir().mkpath(Path(QStringLiteral("install/Templates")));
    WriteProject(Path(QStringLiteral("install/Templates/Default.zrj")), true);
    SetStoreValue(QStringLiteral("SplashDelay"), 10);
}

TWorkingFolders TestFolders(const QString& sRoot) {
    TWorkingFolders folders;
    folders.sDocumentsFolder = sRoot + QStringLiteral("/docs");
    folders.sInstalledTemplates = sRoot + QStringLiteral("/install/Templates/");
    folders.sRecoveryFolder = sRoot + QStringLiteral("/data/Recovery");
    return folders;
}

void TTestEnvironment::WriteProject(const QString& sFile, bool bTemplate) {
    QFile file(sFile);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("[SYSTEM]\r\nTemplate=%1\r\nInstances=0\r\n[REFERENCE]\r\nUniqueID=promo\r\n"
                              "[OPTIONS]\r\nIncludeDynamicFunctions=0\r\nDynamicContent=0\r\n")
                   .arg(bTemplate ? 1 : 0)
                   .toUtf8());
    QFile html(sFile.left(sFile.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".html"));
    html.open(QIODevice::WriteOnly);
    html.write("<p>Hello</p>\r\n");
}

void TTestEnvironment::SetStoreValue(const QString& sName, const QVariant& value) const {
    QSettings store(StoreFile(), QSettings::IniFormat);
    store.setValue(sName, value);
}

QStringList TTestEnvironment::LogLines() const {
    QStringList lines;
    const QStringList files = QDir(LogFolder()).entryList(QDir::Files);
    if (files.isEmpty())
        return lines;
    QFile file(QDir(LogFolder()).filePath(files.first()));
    file.open(QIODevice::ReadOnly);
    for (const QString& sLine : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines.append(sLine.mid(sLine.indexOf(QStringLiteral(" : ")) + 3));
    return lines;
}

TEditorProcessHome::TEditorProcessHome() {
    QDir().mkpath(Path(QStringLiteral("run")));
    QFile::setPermissions(Path(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QProcessEnvironment TEditorProcessHome::Environment(const QString& sPlatform) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), Dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("run")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), sPlatform);
    return env;
}

bool TEditorProcessHome::LogContains(const QString& sText) const {
    const QDir logs(Path(QStringLiteral("Documents/Brisola/Logging")));
    for (const QString& sFile : logs.entryList(QDir::Files)) {
        QFile file(logs.filePath(sFile));
        if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(sText))
            return true;
    }
    return false;
}
