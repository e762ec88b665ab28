#pragma once

#include "TAppSettings.h"
#include "TCompileCommands.h"
#include "TEditCommands.h"
#include "TInstanceEditing.h"
#include "TInstanceEditor.h"
#include "TMainActions.h"
#include "TMainLayout.h"
#include "TPopupCommands.h"
#include "TProjectCommands.h"
#include "TSingleInstance.h"
#include "TUpLoadCommands.h"
#include "TWorkingFolders.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class IEditorServices;
class TAboutForm;
class TCompileForm;
class TEditableFilePages;
class THelpForm;
class TLog;
class TMessageUi;
class TOptionsForm;
class TPreviewGenerator;
class TProjectCompileHost;
class TProjectDocument;
class TScriptForm;
struct TSettingsWindows;
class TSplashForm;
class TTipsForm;
class TZEPInstance;
class TZEPProject;

// What the start-up hands to the main window besides the services.
struct TStartUpContext {
    QStringList Arguments; // command-line parameters, without the program
    QString sExeName;      // full path of the program file
    QDate Today;
    TWorkingFolders Folders;
    std::unique_ptr<TSingleInstance> Lock; // the single-instance lock, held for the run
};

// The main window. It owns the project document, the session log and every
// dialog for the whole run, wires its collaborators (layout, actions, edit
// and project commands, preview) and keeps the named operations as short
// forwards to them.
class TMainForm : public QMainWindow, private IProjectWindow, private IPopupWindow, private IEditingWindow {
    Q_OBJECT
public:
    TMainForm(IEditorServices& services, TStartUpContext context);
    ~TMainForm() override;

    // Runs the creation steps: folders and log, dialogs, settings and the
    // initial project. False when the program must end.
    bool Create();

    // Shows the text in the first status bar panel and logs it.
    void Status(const QString& sVal) override;
    // Opens an address or file with its default application.
    void OpenURL(const QString& sURL);

    // Loads the file named by the project's sFullProjectName into the window.
    bool LoadProject(bool bTemplateRequired) { return oProjectCommands->LoadProject(bTemplateRequired); }
    // The project named on the command line, or the start-up template.
    void StartUpLoad();
    void UpdateOptionsFromProject();
    void UpdateProjectFromOptions() override;
    // The instance editor's operations, carried out by the editor.
    void UpdateDisplayFromInstance(TZEPInstance* instance) {
        Layout.InstanceEditor->UpdateDisplayFromInstance(instance);
    }
    void UpdateInstanceFromDisplay(TZEPInstance* instance) {
        Layout.InstanceEditor->UpdateInstanceFromDisplay(instance);
    }
    void UpdateControlStates() { Layout.InstanceEditor->UpdateControlStates(); }
    void InterfaceChangeNoPreview() { Layout.InstanceEditor->InterfaceChangeNoPreview(); }
    void InstanceChange() { Layout.InstanceEditor->InstanceChange(); }
    // The rules, the popup and the project options written back, then the
    // preview when bShowPreview is set.
    void UpdateInterface(bool bShowPreview) { oEditing->UpdateInterface(bShowPreview); }
    // A change to the project that the preview shows at once; marks it edited.
    void InterfaceChange();
    // Tools > Options.
    void ToolsBtnClick();
    // "Upload files via FTP": the files of the last compile.
    void UpLoadBtnClick() { oUpLoadCommands->UpLoadBtnClick(); }
    // Tools > "Compile DHTML Popup" and "View in default browser".
    void CompileBtnClick() { oCompileCommands->CompileBtnClick(CurrentInstance()); }
    void WebBtnClick() { oCompileCommands->WebBtnClick(); }
    // Whether the compiled version may be used for the purpose; asks when the
    // project is edited or newer than its compiled preview.
    bool CheckCompiledVersion(const QString& sPurpose) { return oCompileCommands->CheckCompiledVersion(sPurpose); }

    // Shows the instance working in the embedded browser; the status bar
    // reports the outcome. Nothing happens without an instance.
    void GeneratePreview(TZEPInstance* instance);
    // Regenerates the preview of the current instance tab.
    void RefreshBtnClick();
    // Regenerates the preview when a change has not been previewed yet.
    void CheckForPreview() override;
    // A change that the preview should show: shown at once while the window
    // is showing, otherwise at its first display.
    void PreviewChange() override;
    // A change that the preview shows later (a typed change): when the field
    // is left or the browser is clicked.
    void NotePreviewNeeded() override { bPreviewNeeded = true; }
    // The instance record of the selected instance tab, or nullptr.
    TZEPInstance* CurrentInstance() override;

    // Opens help at a keyword (" " shows the index).
    void ShowHelpKeyword(const QString& sKeyword) override;
    // The context panel: the hint followed by ":" and the template store's
    // help text for it. A hint without help text leaves the panel as it is.
    void HintChanged(const QString& sHint) override;

    TLog& Log() override { return *oLog; }
    TZEPProject& CurrentProject();
    const TWorkingFolders& Folders() const { return Context.Folders; }
    const TOptionsForm& OptionsForm() const { return *oOptionsForm; }
    TTipsForm* TipsForm() const { return oTipsForm; }
    THelpForm* HelpForm() const { return oHelpForm; }
    TEditCommands& EditCommands() { return *oEditCommands; }
    TEditableFilePages& EditableFilePages() { return *oEditableFiles; }
    TCompileForm& CompileForm() const { return oCompileCommands->CompileForm(); }
    const TMainActions& Actions() const { return MainActions; }
    // The settings as read at start-up and as the window keeps them since.
    const TAppSettings& AppSettings() const { return Settings; }
    QString StatusText() const { return Layout.StatusText(); }
    QString PointerText() const { return Layout.PointerText(); }
    QString ContextHelpText() const { return Layout.ContextHelpText(); }
    bool IsEdited() const override { return bEdited; }
    bool IsUpdating() const { return bUpdating; }
    bool IsRunning() const { return bRunning; }
    bool IsPreviewNeeded() const { return bPreviewNeeded; }
    // The native window showing the preview, 0 until the first display.
    quintptr BrowserWindowHandle() const { return hWebBrowser; }

signals:
    // The first display has finished (splash over, focus given).
    void FirstDisplayCompleted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // IProjectWindow
    void UpdateProjectFromDisplay() override { UpdateInterface(false); }
    void ShowLoadedProject() override;
    void ProjectSaved() override;
    void RefreshSelectedInstance() override {
        UpdateDisplayFromInstance(CurrentInstance());
        UpdateInterface(true);
    }
    void ShowRecentProjects(const QStringList& entries) override {
        MainActions.RebuildReopenMenus(entries, [this](const QString& sEntry) { oProjectCommands->Reopen(sEntry); });
    }
    void SetProjectTitle() override;
    void SetNoProjectTitle() override;
    QString BaseLocation() const override;
    QString BaseTemplatePath() const override { return Context.Folders.sBaseTemplatePath; }

    bool PrepareWorkingFolders();
    void CreateDialogs();
    void ConnectCommands();
    TSettingsWindows SettingsWindows();
    void LoadSettings();
    void SaveSettings();
    void FirstDisplay();
    void FinishFirstDisplay();
    void ApplicationIdle();
    void SetEdited() override;
    void ShowAbout();

    IEditorServices& Services;
    TStartUpContext Context;
    std::unique_ptr<TLog> oLog; // destroyed last: its closing lines end the run
    std::unique_ptr<TMessageUi> oMessageUi;
    std::unique_ptr<TProjectDocument> oDocument;
    std::unique_ptr<TScriptForm> oScriptForm;
    std::unique_ptr<TProjectCommands> oProjectCommands;
    std::unique_ptr<TUpLoadCommands> oUpLoadCommands;
    std::unique_ptr<TProjectCompileHost> oCompileHost;
    std::unique_ptr<TCompileCommands> oCompileCommands;
    TEditableFilePages* oEditableFiles = nullptr; // owned by the source pages
    std::unique_ptr<TInstanceEditing> oEditing;
    TEditCommands* oEditCommands = nullptr;
    TMainActions MainActions;
    TMainLayout Layout;

    TOptionsForm* oOptionsForm = nullptr;
    TTipsForm* oTipsForm = nullptr;
    TAboutForm* oAboutForm = nullptr;
    THelpForm* oHelpForm = nullptr;
    TSplashForm* oSplashForm = nullptr;
    TPopupCommands* oPopupCommands = nullptr; // the multi-popup and sequential layers commands
    TPreviewGenerator* oPreviewGenerator = nullptr;

    TAppSettings Settings;
    QString sTitleBase;
    QString sLongVersionString;
    bool bUpdating = false; // the window is being filled from the project; changes are ignored
    bool bEdited = false;
    bool bRunning = false;
    bool bPreviewNeeded = false;
    quintptr hWebBrowser = 0;
    bool bShownOnce = false;
};
