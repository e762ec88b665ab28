#include "TWorkingFolders.h"

#include "FileUtils.h"
#include "InstalledData.h"
#include "LogDateFormat.h"
#include "SettingsReads.h"
#include "TAppSettings.h"
#include "TEditorServices.h"
#include "TLog.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

bool MakeFolder(const QString& sFolder) {
    return QDir().mkpath(sFolder);
}

} // namespace

TWorkingFolders TWorkingFolders::FromDesktop() {
    TWorkingFolders folders;
    folders.sDocumentsFolder = GetSpecialFolder(CSpecialFolder::sfDocuments);
    folders.sInstalledTemplates = InstalledTemplateFolder();
    folders.sRecoveryFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Recovery");
    return folders;
}

bool TWorkingFolders::Prepare(TLog& log, IEditorServices& services, const QString& sExeName, const QDate& today) {
    sWorkingFolder = sDocumentsFolder + QStringLiteral("/Brisola");
    sLogFolder = sWorkingFolder + QStringLiteral("/Logging/");
    if (!MakeFolder(sLogFolder)) {
        services.Ask(nullptr, CMessageKind::mkError, QStringLiteral("Error : No Logging directory"),
                     QMessageBox::Cancel);
        return false;
    }
    log.SetLogFileName(DailyLogFileName(today));
    log.SetLogFilePath(sLogFolder);
    log.Open(sExeName);

    const QString sUserFolder = sWorkingFolder + QStringLiteral("/User/");
    if (!MakeFolder(sUserFolder)) {
        log.Error(QStringLiteral("Error : No User directory"));
        return false;
    }
    sBaseTemplatePath = sWorkingFolder + QStringLiteral("/Templates/");
    sUserPath = sUserFolder;
    return RefreshTemplates(log, services);
}

bool TWorkingFolders::RefreshTemplates(TLog& log, IEditorServices& services) {
    const std::unique_ptr<QSettings> store = services.OpenSettings();
    if (store->status() != QSettings::NoError || !store->isWritable()) {
        log.Error(QStringLiteral("Error : Can not open registry"));
        return false;
    }
    const QString sFlag = TSettingsStore::FirstRunFlagName(log.sShortVersion3);
    const bool bHasRun = ReadBoolDef(*store, sFlag, false);
    const QString sVersionText = QStringLiteral("App (V") + log.sShortVersion3 + QStringLiteral(") has ");
    log.Add(sVersionText + (bHasRun ? QStringLiteral("run before") : QStringLiteral("not run before")));

    if (!bHasRun && QDir(sBaseTemplatePath).exists()) {
        log.Add(QStringLiteral("Deleting directory <") + sBaseTemplatePath + QStringLiteral(">"));
        if (!ShellDelete(sBaseTemplatePath)) {
            log.Error(QStringLiteral("Error : Could not delete Template directory"));
            return false;
        }
        log.Add(QStringLiteral("Directory <") + sBaseTemplatePath + QStringLiteral("> deleted"));
    }
    if (!QDir(sBaseTemplatePath).exists()) {
        const QString sSource = sInstalledTemplates;
        if (QDir(sSource).exists()) {
            log.Add(QStringLiteral("Copying directory <") + sSource + QStringLiteral("> to <") + sBaseTemplatePath +
                    QStringLiteral(">"));
            if (!ShellCopy(sSource, sBaseTemplatePath)) {
                log.Error(QStringLiteral("Error : Could not copy Template directory"));
                return false;
            }
            log.Add(QStringLiteral("Directory <") + sBaseTemplatePath + QStringLiteral("> copied"));
        } else {
            // A broken installation must not keep the editor from starting:
            // the start-up template is then missing and no project is loaded.
            log.Add(QStringLiteral("Installation templates <") + sSource + QStringLiteral("> not found"));
        }
    }
    store->setValue(sFlag, 1);
    store->sync();
    return true;
}
