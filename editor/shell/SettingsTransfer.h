#pragma once

#include "TOptionsForm.h"
#include "TUpLoadSettings.h"

struct TAppSettings;
class QWidget;
class TTipsForm;
class TUpLoadForm;
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

// The settings that windows keep while the program runs: the main window's
// and the tips window's places, the tips options, the application options
// and the upload dialog's values.
void ShowSettings(const TAppSettings& settings, QWidget& mainWindow, TTipsForm& tips, TOptionsForm& options,
                  TUpLoadForm& upLoad);
void KeepSettings(TAppSettings& settings, const QWidget& mainWindow, const TTipsForm& tips, const TOptionsForm& options,
                  const TUpLoadForm& upLoad);
