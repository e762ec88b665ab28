#pragma once

#include "TOptionsForm.h"
#include "TUpLoadSettings.h"

struct TAppSettings;
struct TSettingsDefaults;
class QWidget;
class TTipsForm;
class TUpLoadForm;
class TWorkingFolders;
class TZEPProject;

// The options dialog's values to and from where they are kept: the project's
// compile options in the project record, the application options in the
// settings.
TProjectOptions ProjectOptionsOf(const TZEPProject& project);
void ApplyProjectOptions(const TProjectOptions& options, TZEPProject& project);
TApplicationOptions ApplicationOptionsOf(const TAppSettings& settings);
void ApplyApplicationOptions(const TApplicationOptions& options, TAppSettings& settings);

// The upload dialog's remembered values and place.
TUpLoadSettings UpLoadSettingsOf(const TAppSettings& settings);
void ApplyUpLoadSettings(const TUpLoadSettings& upLoad, TAppSettings& settings);

// The windows whose places and values the settings keep while the program
// runs: the main window's, the tips window's, the upload dialog's and the
// compile results dialog's places, the tips options, the application options
// and the upload dialog's values.
struct TSettingsWindows {
    QWidget& MainWindow;
    TTipsForm& Tips;
    TOptionsForm& Options;
    TUpLoadForm& UpLoad;
    QWidget& CompileResults;
};

// The places before the settings are read: the main window at its design size
// and the tips window, each in the middle of the primary screen.
void PlaceAtDesignPositions(QWidget& mainWindow, QWidget& tips);
// What the store falls back on: the working folders, the primary screen's
// size and the places the windows have now.
TSettingsDefaults SettingsDefaults(const TWorkingFolders& folders, const TSettingsWindows& windows);
// Puts the settings into the windows, and takes the windows' values back.
void ShowSettings(const TAppSettings& settings, const TSettingsWindows& windows);
void KeepSettings(TAppSettings& settings, const TSettingsWindows& windows);
