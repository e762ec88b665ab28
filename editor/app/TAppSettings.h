#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSettings;

// The application settings as they travel between the settings store and the
// windows that hold them.
struct TAppSettings {
    QPoint MainPosition;
    int iHeight = 640;
    int iWidth = 860;
    QPoint CompileResultsPosition;
    QPoint QuickTipsPosition;
    QPoint UpLoadPosition;

    bool bShowTips = false;
    bool bRandomTips = false;
    int iFirstTip = 0;
    int iSplashDelay = 1800;

    QString sBaseLocation;
    bool bShowCompile = true;
    bool bAutoSave = true;
    bool bDeleteLog = false;
    int iUpdateFrequency = 2;
    double dLastUpdated = 0.0;

    QString sFTPSite;
    QString sUsername;
    QString sPassword;
    QString sRemotePath;
    bool bFTPRequireTLS = true;

    QString sCurrentProject;
    QStringList ProjectList;
    QString sUserTemplatePath;
    QString sDefaultProjectDir;
};

// Defaults that depend on the machine rather than on the store.
struct TSettingsDefaults {
    QString sUserPath;         // default base folder
    QString sBaseTemplatePath; // default template folder for the new-project dialog
    QSize ScreenSize;          // bounds for the window position clamps
    // Positions the windows had before loading; an absent stored value keeps them.
    QPoint MainPosition;
    QPoint CompileResultsPosition;
    QPoint QuickTipsPosition;
    QPoint UpLoadPosition;
};

// Keeps a window on the screen: a left edge below -100 or beyond the screen
// width less 30 and a top edge below 10 or beyond the screen height less 30 are
// pulled back to those limits.
QPoint ClampWindowPosition(const QPoint& position, const QSize& screenSize);

// A splash delay of 0 or less would never end the splash wait; such a stored
// value is read as the default.
int ValidSplashDelay(int iDelay);

// Password storage: scrambled, then each character code written as upper-case
// hexadecimal; decoding reverses it.
using TPasswordCodec = std::function<QString(const QString&)>;

class TSettingsStore {
public:
    static constexpr int iDefaultSplashDelay = 1800;
    static constexpr int iRecentEntries = 10;

    // The name of the per-version first-run flag, e.g. "IsAlreadyRun4.0.2".
    static QString FirstRunFlagName(const QString& sShortVersion3);

    static TAppSettings Load(QSettings& store, const TSettingsDefaults& defaults, const TPasswordCodec& decodePassword);
    static void Save(QSettings& store, const TAppSettings& settings, const TPasswordCodec& encodePassword);
};
