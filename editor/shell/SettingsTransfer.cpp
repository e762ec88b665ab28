#include "SettingsTransfer.h"

#include "TAppSettings.h"
#include "TTipsForm.h"
#include "TUpLoadForm.h"
#include "TZEPProject.h"

TProjectOptions ProjectOptionsOf(const TZEPProject& project) {
    return {project.bIncludeDynamicFunctions == 1, project.bDynamicContent == 1, project.bTurnOffAudio == 1,
            project.bCoverBoxes == 1, int(project.InitialisationOption)};
}

void ApplyProjectOptions(const TProjectOptions& options, TZEPProject& project) {
    project.bIncludeDynamicFunctions = options.bIncludeDynamicFunctions ? 1 : 0;
    project.bDynamicContent = options.bDynamicContent ? 1 : 0;
    project.bTurnOffAudio = options.bTurnOffAudio ? 1 : 0;
    project.bCoverBoxes = options.bCoverBoxes ? 1 : 0;
    project.InitialisationOption = CInitialisationOptions(options.iInitialisationOption);
}

TApplicationOptions ApplicationOptionsOf(const TAppSettings& settings) {
    return {settings.sBaseLocation, settings.bAutoSave,        settings.bShowCompile,
            settings.bDeleteLog,    settings.iUpdateFrequency, settings.dLastUpdated};
}

void ApplyApplicationOptions(const TApplicationOptions& options, TAppSettings& settings) {
    settings.sBaseLocation = options.sBaseLocation;
    settings.bAutoSave = options.bAutoSave;
    settings.bShowCompile = options.bShowCompile;
    settings.bDeleteLog = options.bDeleteLog;
    settings.iUpdateFrequency = options.iUpdateFrequency;
    settings.dLastUpdated = options.dLastUpdated;
}

TUpLoadSettings UpLoadSettingsOf(const TAppSettings& settings) {
    return {settings.sFTPSite,    settings.sUsername,      settings.sPassword,
            settings.sRemotePath, settings.bFTPRequireTLS, settings.UpLoadPosition};
}

void ApplyUpLoadSettings(const TUpLoadSettings& upLoad, TAppSettings& settings) {
    settings.sFTPSite = upLoad.sSite;
    settings.sUsername = upLoad.sUsername;
    settings.sPassword = upLoad.sPassword;
    settings.sRemotePath = upLoad.sRemotePath;
    settings.bFTPRequireTLS = upLoad.bRequireTls;
    settings.UpLoadPosition = upLoad.Position;
}

void ShowSettings(const TAppSettings& settings, QWidget& mainWindow, TTipsForm& tips, TOptionsForm& options,
                  TUpLoadForm& upLoad) {
    mainWindow.move(settings.MainPosition);
    mainWindow.resize(settings.iWidth, settings.iHeight);
    tips.move(settings.QuickTipsPosition);
    tips.bShowTipsAtStartUp = settings.bShowTips;
    tips.bRandomTips = settings.bRandomTips;
    options.SetApplicationOptions(ApplicationOptionsOf(settings));
    upLoad.SetSettings(UpLoadSettingsOf(settings));
}

void KeepSettings(TAppSettings& settings, const QWidget& mainWindow, const TTipsForm& tips, const TOptionsForm& options,
                  const TUpLoadForm& upLoad) {
    settings.MainPosition = mainWindow.pos();
    settings.iHeight = mainWindow.height();
    settings.iWidth = mainWindow.width();
    settings.QuickTipsPosition = tips.pos();
    settings.bShowTips = tips.bShowTipsAtStartUp;
    ApplyApplicationOptions(options.ApplicationOptions(), settings);
    ApplyUpLoadSettings(upLoad.Settings(), settings);
}
