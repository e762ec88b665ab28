#include "SettingsTransfer.h"

#include "TAppSettings.h"
#include "TTipsForm.h"
#include "TUpLoadForm.h"
#include "TWorkingFolders.h"
#include "TZEPProject.h"

#include <QGuiApplication>
#include <QScreen>

#include <type_traits>

namespace {

// Each pairing below lists every dialog value beside the field that keeps it,
// once for both directions: the copy is handed (kept field, dialog value),
// with whichever side is being written left non-const.

template <class TProject, class TOptions, class TCopy>
void PairProjectOptions(TProject& project, TOptions& options, TCopy copy) {
    copy(project.bIncludeDynamicFunctions, options.bIncludeDynamicFunctions);
    copy(project.bDynamicContent, options.bDynamicContent);
    copy(project.bTurnOffAudio, options.bTurnOffAudio);
    copy(project.bCoverBoxes, options.bCoverBoxes);
    copy(project.InitialisationOption, options.iInitialisationOption);
    copy(project.bOnePopupPerPage, options.bOnePopupPerPage);
    copy(project.bStrictCSP, options.bStrictCSP);
}

template <class TSettings, class TOptions, class TCopy>
void PairApplicationOptions(TSettings& settings, TOptions& options, TCopy copy) {
    copy(settings.sBaseLocation, options.sBaseLocation);
    copy(settings.bAutoSave, options.bAutoSave);
    copy(settings.bShowCompile, options.bShowCompile);
    copy(settings.bDeleteLog, options.bDeleteLog);
    copy(settings.iUpdateFrequency, options.iUpdateFrequency);
    copy(settings.dLastUpdated, options.dLastUpdated);
}

template <class TSettings, class TUpLoad, class TCopy>
void PairUpLoadSettings(TSettings& settings, TUpLoad& upLoad, TCopy copy) {
    copy(settings.sFTPSite, upLoad.sSite);
    copy(settings.sUsername, upLoad.sUsername);
    copy(settings.sPassword, upLoad.sPassword);
    copy(settings.sRemotePath, upLoad.sRemotePath);
    copy(settings.bFTPRequireTLS, upLoad.bRequireTls);
    copy(settings.UpLoadPosition, upLoad.Position);
}

// Copies one value, converting where the two sides keep it differently: a
// project flag counts as set only when it holds exactly 1, and the dialog's
// list rows follow the enumeration's order.
template <class TTo, class TFrom> void Assign(TTo& to, const TFrom& from) {
    if constexpr (std::is_same_v<TTo, bool> && std::is_same_v<TFrom, quint8>) {
        to = from == 1;
    } else {
        to = static_cast<TTo>(from);
    }
}

constexpr auto ToDialog = [](const auto& kept, auto& value) { Assign(value, kept); };
constexpr auto ToKeeper = [](auto& kept, const auto& value) { Assign(kept, value); };

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace

TProjectOptions ProjectOptionsOf(const TZEPProject& project) {
    TProjectOptions options;
    PairProjectOptions(project, options, ToDialog);
    return options;
}

void ApplyProjectOptions(const TProjectOptions& options, TZEPProject& project) {
    PairProjectOptions(project, options, ToKeeper);
}

TApplicationOptions ApplicationOptionsOf(const TAppSettings& settings) {
    TApplicationOptions options;
    PairApplicationOptions(settings, options, ToDialog);
    return options;
}

void ApplyApplicationOptions(const TApplicationOptions& options, TAppSettings& settings) {
    PairApplicationOptions(settings, options, ToKeeper);
}

TUpLoadSettings UpLoadSettingsOf(const TAppSettings& settings) {
    TUpLoadSettings upLoad;
    PairUpLoadSettings(settings, upLoad, ToDialog);
    return upLoad;
}

void ApplyUpLoadSettings(const TUpLoadSettings& upLoad, TAppSettings& settings) {
    PairUpLoadSettings(settings, upLoad, ToKeeper);
}

void PlaceAtDesignPositions(QWidget& mainWindow, QWidget& tips) {
    mainWindow.resize(800, 640);
    CentreOnScreen(mainWindow);
    tips.adjustSize();
    CentreOnScreen(tips);
}

TSettingsDefaults SettingsDefaults(const TWorkingFolders& folders, const TSettingsWindows& windows) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    TSettingsDefaults defaults;
    defaults.sUserPath = folders.sUserPath;
    defaults.sBaseTemplatePath = folders.sBaseTemplatePath;
    defaults.ScreenSize = screen ? screen->size() : QSize(1024, 768);
    defaults.MainPosition = windows.MainWindow.pos();
    defaults.QuickTipsPosition = windows.Tips.pos();
    defaults.UpLoadPosition = windows.UpLoad.pos();
    defaults.CompileResultsPosition = windows.CompileResults.pos();
    return defaults;
}

void ShowSettings(const TAppSettings& settings, const TSettingsWindows& windows) {
    windows.MainWindow.move(settings.MainPosition);
    windows.MainWindow.resize(settings.iWidth, settings.iHeight);
    windows.Tips.move(settings.QuickTipsPosition);
    windows.Tips.bShowTipsAtStartUp = settings.bShowTips;
    windows.Tips.bRandomTips = settings.bRandomTips;
    windows.Options.SetApplicationOptions(ApplicationOptionsOf(settings));
    windows.UpLoad.SetSettings(UpLoadSettingsOf(settings));
    windows.CompileResults.move(settings.CompileResultsPosition);
}

void KeepSettings(TAppSettings& settings, const TSettingsWindows& windows) {
    settings.MainPosition = windows.MainWindow.pos();
    settings.iHeight = windows.MainWindow.height();
    settings.iWidth = windows.MainWindow.width();
    settings.QuickTipsPosition = windows.Tips.pos();
    settings.bShowTips = windows.Tips.bShowTipsAtStartUp;
    ApplyApplicationOptions(windows.Options.ApplicationOptions(), settings);
    ApplyUpLoadSettings(windows.UpLoad.Settings(), settings);
    settings.CompileResultsPosition = windows.CompileResults.pos();
}
