#include "TAppSettings.h"

#include "SettingsReads.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// An absent or empty text gives the caller's default.
QString ReadText(const QSettings& store, const QString& sName, const QString& sDefault) {
    const QString sValue = ReadStringDef(store, sName, sDefault);
    return sValue.isEmpty() ? sDefault : sValue;
}

QPoint ReadPosition(const QSettings& store, const QString& sPrefix, const QPoint& current, const QSize& screen) {
    const QPoint stored(ReadIntegerDef(store, sPrefix + "Left", current.x()),
                        ReadIntegerDef(store, sPrefix + "Top", current.y()));
    return ClampWindowPosition(stored, screen);
}

void WritePosition(QSettings& store, const QString& sPrefix, const QPoint& position) {
    store.setValue(sPrefix + "Left", position.x());
    store.setValue(sPrefix + "Top", position.y());
}

QString RecentName(int i) {
    return QStringLiteral("PreviousProject%1").arg(i);
}

} // namespace

QPoint ClampWindowPosition(const QPoint& position, const QSize& screenSize) {
    int iLeft = position.x();
    int iTop = position.y();
    if (iLeft < -100)
        iLeft = -100;
    if (iLeft > screenSize.width() - 30)
        iLeft = screenSize.width() - 30;
    if (iTop < 10)
        iTop = 10;
    if (iTop > screenSize.height() - 30)
        iTop = screenSize.height() - 30;
    return {iLeft, iTop};
}

int ValidSplashDelay(int iDelay) {
    return iDelay > 0 ? iDelay : TSettingsStore::iDefaultSplashDelay;
}

QString TSettingsStore::FirstRunFlagName(const QString& sShortVersion3) {
    return QStringLiteral("IsAlreadyRun") + sShortVersion3;
}

TAppSettings TSettingsStore::Load(QSettings& store, const TSettingsDefaults& defaults,
                                  const TPasswordCodec& decodePassword) {
    TAppSettings settings;
    const QSize screen = defaults.ScreenSize;
    settings.MainPosition = ReadPosition(store, QString(), defaults.MainPosition, screen);
    settings.iHeight = ReadIntegerDef(store, "Height", settings.iHeight);
    settings.iWidth = ReadIntegerDef(store, "Width", settings.iWidth);
    settings.CompileResultsPosition = ReadPosition(store, "CompileResults", defaults.CompileResultsPosition, screen);
    settings.QuickTipsPosition = ReadPosition(store, "QuickTips", defaults.QuickTipsPosition, screen);
    settings.UpLoadPosition = ReadPosition(store, "UpLoad", defaults.UpLoadPosition, screen);

    settings.bShowTips = ReadBoolDef(store, "ShowTips", settings.bShowTips);
    settings.bRandomTips = ReadBoolDef(store, "RandomTips", settings.bRandomTips);
    settings.iFirstTip = ReadIntegerDef(store, "FirstTip", settings.iFirstTip);
    settings.iSplashDelay = ValidSplashDelay(ReadIntegerDef(store, "SplashDelay", settings.iSplashDelay));

    settings.sBaseLocation = ReadText(store, "BaseLocation", defaults.sUserPath);
    settings.bShowCompile = ReadBoolDef(store, "ShowCompile", settings.bShowCompile);
    settings.bAutoSave = ReadBoolDef(store, "AutoSave", settings.bAutoSave);
    settings.bDeleteLog = ReadBoolDef(store, "DeleteLog", settings.bDeleteLog);
    settings.iUpdateFrequency = ReadIntegerDef(store, "UpdateFrequency", settings.iUpdateFrequency);
    settings.dLastUpdated = ReadFloatDef(store, "LastUpdated", settings.dLastUpdated);

    settings.sFTPSite = ReadText(store, "FTPSite", QString());
    settings.sUsername = ReadText(store, "Username", QString());
    settings.sPassword = decodePassword(ReadText(store, "Password", QString()));
    settings.sRemotePath = ReadText(store, "RemotePath", QString());
    settings.bFTPRequireTLS = ReadBoolDef(store, "FTPRequireTLS", settings.bFTPRequireTLS);

    for (int i = 0; i < iRecentEntries; ++i) {
        const QString sPath = ReadText(store, RecentName(i), QString());
        if (!sPath.isEmpty() && QFileInfo::exists(sPath))
            settings.ProjectList.append(sPath);
    }
    settings.sDefaultProjectDir = ReadText(store, "DefaultProjectDir", settings.sBaseLocation);
    settings.sUserTemplatePath = ReadText(store, "UserTemplatePath", defaults.sBaseTemplatePath);
    return settings;
}

void TSettingsStore::Save(QSettings& store, const TAppSettings& settings, const TPasswordCodec& encodePassword) {
    WritePosition(store, QString(), settings.MainPosition);
    store.setValue("Height", settings.iHeight);
    store.setValue("Width", settings.iWidth);
    WritePosition(store, "CompileResults", settings.CompileResultsPosition);
    WritePosition(store, "QuickTips", settings.QuickTipsPosition);
    WritePosition(store, "UpLoad", settings.UpLoadPosition);
    store.setValue("ShowTips", int(settings.bShowTips));
    store.setValue("RandomTips", int(settings.bRandomTips));
    store.setValue("FirstTip", settings.iFirstTip);
    store.setValue("SplashDelay", settings.iSplashDelay);
    store.setValue("BaseLocation", settings.sBaseLocation);
    store.setValue("ShowCompile", int(settings.bShowCompile));
    store.setValue("AutoSave", int(settings.bAutoSave));
    store.setValue("DeleteLog", int(settings.bDeleteLog));
    store.setValue("UpdateFrequency", settings.iUpdateFrequency);
    store.setValue("LastUpdated", settings.dLastUpdated);
    store.setValue("FTPSite", settings.sFTPSite.trimmed());
    store.setValue("Username", settings.sUsername.trimmed());
    store.setValue("Password", encodePassword(settings.sPassword.trimmed()));
    store.setValue("RemotePath", settings.sRemotePath.trimmed());
    store.setValue("FTPRequireTLS", int(settings.bFTPRequireTLS));
    store.setValue("CurrentProject", settings.sCurrentProject);
    for (int i = 0; i < iRecentEntries; ++i)
        store.setValue(RecentName(i), i < settings.ProjectList.size() ? settings.ProjectList[i].trimmed() : QString());
    store.setValue("UserTemplatePath", settings.sUserTemplatePath);
    store.setValue("DefaultProjectDir", settings.sDefaultProjectDir);
    store.sync();
}
