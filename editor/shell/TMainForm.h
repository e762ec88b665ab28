#pragma once

#include "TAppSettings.h"
#include "TEditCommands.h"
#include "TMainActions.h"
#include "TRecentProjects.h"
#include "TSingleInstance.h"
#include "TWorkingFolders.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class IEditorServices;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;
class TAboutForm;
class THelpForm;
class TLog;
class TMessageUi;
class TOptionsForm;
class TPreviewPanel;
class TScriptForm;
class TSplashForm;
class TTipsForm;
class TZEPInstance;
class TProjectDocument;
class TZEPProject;

// What the start-up hands to the main window.
struct TStartUpContext {
    QStringList Arguments; // command-line parameters, without the program
    QString sExeName;      // full path of the program file
    QDate Today;
    TWorkingFolders Folders;
    std::unique_ptr<TSingleInstance> Lock; // the single-instance lock, held for the run
};

// Settings of the upload and compile results windows, kept here until those
// windows take them over.
struct TUploadSettings {
    QString sSite;
    QString sUsername;
    QString sPassword;
    QString sRemotePath;
    QPoint UpLoadPosition;
    QPoint CompileResultsPosition;
};

// The main window. It owns the project, the session log and every dialog for
// the whole run; the settings, working folders, dialogs and commands each
// live in their own collaborator.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(IEditorServices& services, TStartUpContext context);
    ~TMainForm() override;

    // Runs the creation steps: folders and log, dialogs, settings and the
    // initial project. False when the program must end.
    bool Create();

    // Shows the text in the first status bar panel and logs it.
    void Status(const QString& sVal);
    // Opens an address or file with its default application.
    void OpenURL(const QString& sURL);

    bool PrepareWorkingFolders();
    void LoadSettings();
    void SaveSettings();
    // The project named on the command line, or the start-up template. When
    // the named project does not open, the template opens and the reason is
    // shown in an error box and the status bar and written to the log.
    void StartUpLoad();
    bool LoadProject(bool bTemplateRequired);

    void UpdateOptionsFromProject();
    void UpdateProjectFromOptions();
    // A change to the project from the window: copies the options into the
    // project and marks it edited.
    void InterfaceChange();
    void ToolsBtnClick();

    // Shows the instance working in the embedded browser; the status bar
    // reports the outcome. Nothing happens without an instance.
    void GeneratePreview(TZEPInstance* instance);
    // Regenerates the preview of the current instance tab.
    void RefreshBtnClick();
    // Regenerates the preview when a change has not been previewed yet.
    void CheckForPreview();
    // A change that the preview should show: shown at once while the window
    // is showing, otherwise at its first display.
    void PreviewChange();
    // The instance record of the selected instance tab, or nullptr.
    TZEPInstance* CurrentInstance();

    // Opens help at a keyword (" " shows the index).
    void ShowHelpKeyword(const QString& sKeyword);

    // The context panel: the hint followed by ":" and its help text. A hint
    // without help text leaves the panel as it is.
    void HintChanged(const QString& sHint);
    // Answers the help text for a hint; installed by the template store.
    std::function<QString(const QString&)> ContextHelpString;

    TLog& Log() { return *oLog; }
    TZEPProject& CurrentProject();
    const TWorkingFolders& Folders() const { return Context.Folders; }
    TOptionsForm* OptionsForm() const { return oOptionsForm; }
    TTipsForm* TipsForm() const { return oTipsForm; }
    THelpForm* HelpForm() const { return oHelpForm; }
    TEditCommands& EditCommands() { return *oEditCommands; }
    const TMainActions& Actions() const { return MainActions; }
    QString StatusText() const;
    QString PointerText() const;
    QString sTitleBase;
    QString sLongVersionString;

    bool bUpdating = false;
    bool bEdited = false;
    bool bRunning = false;
    bool bCompiling = false;
    bool bPreviewNeeded = false;
    quintptr hWebBrowser = 0; // the native window showing the preview, 0 until known
    int iTimerInterval = TSettingsStore::iDefaultSplashDelay;
    bool bRandomTips = false;
    int iFirstTip = 0;
    TRecentProjects ProjectList;
    QString sUserTemplatePath;
    QString sDefaultProjectDir;
    TUploadSettings UploadSettings;

signals:
    // The first display has finished (splash over, focus given).
    void FirstDisplayCompleted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDialogs();
    void BuildWindow();
    QWidget* BuildEditorColumn();
    void ConnectCommands();
    void ClearClipboardMark();
    void FirstDisplay();
    void FinishFirstDisplay();
    void ApplicationIdle();
    void SetProjectTitle();
    void SetNoProjectTitle();
    void SetEdited();
    void RebuildReopenMenus();
    void ShowTipsModal();
    void ShowAbout();

    IEditorServices& Services;
    TStartUpContext Context;
    std::unique_ptr<TLog> oLog; // destroyed last: its closing lines end the run
    std::unique_ptr<TMessageUi> oMessageUi;
    std::unique_ptr<TProjectDocument> oDocument; // the project file and its record
    std::unique_ptr<TScriptForm> oScriptForm;
    TEditCommands* oEditCommands = nullptr;
    TMainActions MainActions;

    TOptionsForm* oOptionsForm = nullptr;
    TTipsForm* oTipsForm = nullptr;
    TAboutForm* oAboutForm = nullptr;
    THelpForm* oHelpForm = nullptr;
    TSplashForm* oSplashForm = nullptr;

    QTabBar* InstanceTabs = nullptr;
    QStackedWidget* EditorGroups = nullptr;
    QGroupBox* ContextHelpPanel = nullptr;
    QPlainTextEdit* ContextHelpText = nullptr;
    TPreviewPanel* PreviewPanel = nullptr;
    QLabel* StatusPanel = nullptr;
    QLabel* PointerPanel = nullptr;
    bool bShownOnce = false;
    bool bGeneratingPreview = false; // a preview is waiting for the browser
    bool bPreviewRequested = false;  // asked for again while it waited
};
