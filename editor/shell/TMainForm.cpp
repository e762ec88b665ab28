#include "TMainForm.h"

#include "PasswordScrambler.h"
#include "ProjectFiles.h"
#include "SettingsTransfer.h"
#include "TAboutForm.h"
#include "TCompileForm.h"
#include "TEditableFilePages.h"
#include "TEditorServices.h"
#include "THelpForm.h"
#include "TLog.h"
#include "TOptionsForm.h"
#include "TPreviewBrowser.h"
#include "TPreviewGenerator.h"
#include "TPreviewPanel.h"
#include "TProjectCompileHost.h"
#include "TProjectDocument.h"
#include "TScopedFlag.h"
#include "TScriptForm.h"
#include "TSourcePages.h"
#include "TSplashForm.h"
#include "TTipsForm.h"
#include "TUpLoadForm.h"
#include "TVersionTexts.h"
#include "TZEPProject.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabBar>
#include <QTimer>

namespace {

const QString sStartUpTemplate = QStringLiteral("Default");
// The settings store's value with the preview's device.
const QString sPreviewDeviceKey = QStringLiteral("PreviewDevice");

} // namespace

TMainForm::TMainForm(IEditorServices& services, TStartUpContext context)
    : Services(services), Context(std::move(context)), oLog(std::make_unique<TLog>()),
      oMessageUi(std::make_unique<TMessageUi>(services, this)) {
    setObjectName(QStringLiteral("MainForm"));
    oLog->SetMessageUi(oMessageUi.get());
    oEditCommands = new TEditCommands(this);
    MainActions.Build(*this, *oEditCommands);
    oEditCommands->InstallContextMenus();
    Layout.Build(*this, bUpdating, services);
    connect(Layout.PreviewPanel, &TPreviewPanel::BrowserClicked, this, &TMainForm::CheckForPreview);
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    if (oOptionsForm && oOptionsForm->ApplicationOptions().bDeleteLog && !oLog->GetFullFileName().isEmpty())
        QFile::remove(oLog->GetFullFileName());
    if (Context.Lock)
        Context.Lock->Release();
    oDocument.reset();
    oLog->SetMessageUi(nullptr);
}

bool TMainForm::Create() {
    bRunning = false;
    if (!PrepareWorkingFolders()) {
        Services.Ask(this, CMessageKind::mkError, QStringLiteral("Error initialising ZEP - Program must close"),
                     QMessageBox::Ok);
        return false;
    }
    CreateDialogs();

    PlaceAtDesignPositions(*this, *oTipsForm);
    sTitleBase = TitleBase(oLog->sVersionStrings[2], oLog->sShortVersion2);
    setWindowTitle(sTitleBase);
    sLongVersionString = LongVersionString(oLog->sVersion);
    oLog->Add(QStringLiteral("V:") + sLongVersionString);

    oDocument = std::make_unique<TProjectDocument>();
    oEditing = std::make_unique<TInstanceEditing>(*Layout.InstanceEditor, static_cast<IEditingWindow&>(*this),
                                                  *oOptionsForm, *MainActions.SaveTemplateMenu);
    Layout.InstanceEditor->SetProject(&oDocument->Project, Layout.InstanceTabs);
    oEditableFiles = new TEditableFilePages(*Layout.SourcePages, oDocument->Project,
                                            [this](const QString& sLine) { oLog->Add(sLine); });
    oProjectCommands = std::make_unique<TProjectCommands>(*oDocument, Services, static_cast<IProjectWindow&>(*this),
                                                          this, *oEditableFiles, Settings);
    oCompileHost =
        std::make_unique<TProjectCompileHost>(static_cast<IProjectWindow&>(*this), *oProjectCommands, *oOptionsForm);
    oCompileCommands = std::make_unique<TCompileCommands>(Services, this, *oCompileHost, *oDocument, *oScriptForm,
                                                          Context.Folders.sBaseTemplatePath);
    oPreviewGenerator = new TPreviewGenerator(Layout.PreviewPanel->Browser(), *oScriptForm, *oLog,
                                              Context.Folders.sBaseTemplatePath, this);
    connect(oPreviewGenerator, &TPreviewGenerator::Status, this, &TMainForm::Status);
    Layout.PreviewPanel->Play(*oPreviewGenerator, Services.OpenSettings()->value(sPreviewDeviceKey).toString());
    connect(Layout.PreviewPanel, &TPreviewPanel::DeviceChanged, this,
            [this](const QString& sDevice) { Services.OpenSettings()->setValue(sPreviewDeviceKey, sDevice); });
    oPopupCommands = new TPopupCommands(Services, *this, *oDocument, *Layout.InstanceTabs, Settings, this);
    oUpLoadCommands = std::make_unique<TUpLoadCommands>(Services, *oLog, *this, *oDocument);
    ConnectCommands();
    TEditCommands::ClearClipboardMark();
    Layout.FillInstanceTabs({});

    LoadSettings();
    return true;
}

bool TMainForm::PrepareWorkingFolders() {
    return Context.Folders.Prepare(*oLog, Services, Context.sExeName, Context.Today);
}

void TMainForm::CreateDialogs() {
    oOptionsForm = new TOptionsForm(Services, this);
    connect(oOptionsForm, &TOptionsForm::BaseLocationChanged, this,
            [this](const QString& sFolder) { Settings.sDefaultProjectDir = sFolder; });
    oScriptForm = std::make_unique<TScriptForm>();
    oScriptForm->sVersion = oLog->sVersion;
    oTipsForm = new TTipsForm(Services.Clock(), this);
    oHelpForm = new THelpForm(this);
    oAboutForm = new TAboutForm(this);
    connect(oAboutForm, &TAboutForm::OpenURLRequested, this, &TMainForm::OpenURL);
}

void TMainForm::ConnectCommands() {
    const TMainActions& a = MainActions;
    connect(a.EditMenu, &QMenu::aboutToShow, this,
            [this] { oEditCommands->UpdateStates(QApplication::focusWidget()); });
    oProjectCommands->ConnectActions({a.NewProjectMenu, a.OpenProjectMenu, a.SaveProjectMenu, a.SaveProjectAsMenu,
                                      a.SaveTemplateMenu, a.AddFilesMenu, a.LoadExternalHTMLMenu});
    connect(a.CompileMenu, &QAction::triggered, this, &TMainForm::CompileBtnClick);
    connect(a.ViewInBrowserMenu, &QAction::triggered, this, &TMainForm::WebBtnClick);
    connect(oEditableFiles, &TEditableFilePages::Changed, this, &TMainForm::InterfaceChangeNoPreview);
    connect(a.OptionsMenu, &QAction::triggered, this, &TMainForm::ToolsBtnClick);
    connect(a.UploadBtn, &QAction::triggered, this, &TMainForm::UpLoadBtnClick);
    connect(a.RefreshMenu, &QAction::triggered, this, &TMainForm::RefreshBtnClick);
    oPopupCommands->ConnectButtons(*a.MultipleInstancesBtn, *a.SequentialInstancesBtn);
    connect(oPopupCommands, &TPopupCommands::ProjectChanged, this, &TMainForm::InterfaceChange);
    connect(a.ContentsMenu, &QAction::triggered, oHelpForm, &THelpForm::ShowContents);
    connect(a.HelpBtn, &QAction::triggered, oHelpForm, &THelpForm::ShowContents);
    connect(a.SearchHelpMenu, &QAction::triggered, this, [this] { ShowHelpKeyword(QStringLiteral(" ")); });
    connect(a.HowDoIMenu, &QAction::triggered, this, [this] { ShowHelpKeyword(QStringLiteral("frames")); });
    connect(a.TipsMenu, &QAction::triggered, this, [this] { Services.RunModal(*oTipsForm); });
    connect(a.AboutMenu, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(a.VisitWebMenu, &QAction::triggered, this, [this] { OpenURL(QString::fromLatin1(TAboutForm::sHomePage)); });
    connect(a.SupportMenu, &QAction::triggered, this,
            [this] { OpenURL(QString::fromLatin1(TAboutForm::sSupportPage)); });
}

void TMainForm::Status(const QString& sVal) {
    oLog->Add(QStringLiteral("Status [") + sVal + QStringLiteral("]"));
    Layout.StatusPanel->setText(sVal);
    Layout.StatusPanel->repaint();
}

void TMainForm::OpenURL(const QString& sURL) {
    Services.ShellOpen(sURL, ProjectDirectory(oDocument ? oDocument->Project.sFullProjectName : QString()));
}

void TMainForm::ShowHelpKeyword(const QString& sKeyword) {
    oHelpForm->ShowKeyword(sKeyword);
}

void TMainForm::HintChanged(const QString& sHint) {
    const QString sTrimmed = sHint.trimmed();
    if (sTrimmed.isEmpty() || !oScriptForm)
        return;
    const QString sHelp = oScriptForm->ContextHelpString(sTrimmed);
    if (!sHelp.isEmpty())
        Layout.ShowContextHelp(sTrimmed, sHelp);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWidgetType() && event->type() == QEvent::ToolTip)
        HintChanged(static_cast<QWidget*>(watched)->toolTip());
    else if (watched->isWidgetType() && event->type() == QEvent::MouseMove)
        Layout.PointerMovedOver(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, event);
}

TSettingsWindows TMainForm::SettingsWindows() {
    return {*this, *oTipsForm, *oOptionsForm, oUpLoadCommands->Form(), CompileForm()};
}

void TMainForm::LoadSettings() {
    const TScopedFlag updating(bUpdating);
    const TSettingsDefaults defaults = SettingsDefaults(Context.Folders, SettingsWindows());
    Settings = TSettingsStore::Load(*Services.OpenSettings(), defaults, DecodePassword);
    ShowSettings(Settings, SettingsWindows());
    oProjectCommands->RecentProjects().Assign(Settings.ProjectList);
    StartUpLoad();
}

void TMainForm::SaveSettings() {
    Settings.sCurrentProject = oDocument->Project.sFullProjectName;
    Settings.ProjectList = oProjectCommands->RecentProjects().Items();
    KeepSettings(Settings, SettingsWindows());
    TSettingsStore::Save(*Services.OpenSettings(), Settings, EncodePassword);
}

void TMainForm::StartUpLoad() {
    oProjectCommands->StartUpLoad(Context.Arguments,
                                  Context.Folders.sBaseTemplatePath + sStartUpTemplate + QStringLiteral(".zrj"));
    bEdited = false;
    UpdateInterface(true);
}

void TMainForm::ShowLoadedProject() {
    const TScopedFlag updating(bUpdating);
    QStringList captions;
    for (const auto& entry : oDocument->Project.InstanceList)
        captions.append(entry.sCaption);
    Layout.FillInstanceTabs(captions);
    UpdateDisplayFromInstance(CurrentInstance());
    UpdateOptionsFromProject();
    // The rules follow the new project: its instance tabs, "Save Template".
    UpdateInterface(false);
    bEdited = false;
}

void TMainForm::SetProjectTitle() {
    setWindowTitle(sTitleBase + QStringLiteral(" - ") + ProjectStem(oDocument->Project.sFullProjectName));
}

void TMainForm::SetNoProjectTitle() {
    setWindowTitle(sTitleBase + QStringLiteral(" - NO PROJECT LOADED"));
}

void TMainForm::SetEdited() {
    if (!windowTitle().endsWith(QStringLiteral(" (unsaved)")))
        setWindowTitle(windowTitle() + QStringLiteral(" (unsaved)"));
    bEdited = true;
}

void TMainForm::ProjectSaved() {
    bEdited = false;
}

QString TMainForm::BaseLocation() const {
    return oOptionsForm->ApplicationOptions().sBaseLocation;
}

void TMainForm::UpdateOptionsFromProject() {
    const TScopedFlag updating(bUpdating);
    oOptionsForm->SetProjectOptions(ProjectOptionsOf(oDocument->Project));
}

void TMainForm::UpdateProjectFromOptions() {
    ApplyProjectOptions(oOptionsForm->ProjectOptions(), oDocument->Project);
}

void TMainForm::InterfaceChange() {
    if (bUpdating)
        return;
    UpdateInterface(true);
    SetEdited();
}

void TMainForm::ToolsBtnClick() {
    if (Services.RunModal(*oOptionsForm) != QDialog::Accepted)
        return;
    if (oOptionsForm->ProjectOptionsEdited()) {
        InterfaceChange();
        oLog->Add(QStringLiteral("Options edited"));
    }
}

TZEPProject& TMainForm::CurrentProject() {
    return oDocument->Project;
}

TZEPInstance* TMainForm::CurrentInstance() {
    const int iTab = Layout.InstanceTabs->currentIndex();
    if (!oDocument || iTab < 0 || iTab >= oDocument->Project.InstanceList.Count())
        return nullptr;
    return &oDocument->Project.InstanceList.Instance(iTab);
}

void TMainForm::RefreshBtnClick() {
    GeneratePreview(CurrentInstance());
}

void TMainForm::CheckForPreview() {
    if (bPreviewNeeded)
        RefreshBtnClick();
}

void TMainForm::PreviewChange() {
    if (isVisible())
        RefreshBtnClick();
    else
        bPreviewNeeded = true;
}

void TMainForm::GeneratePreview(TZEPInstance* instance) {
    if (instance && oPreviewGenerator->Render({oDocument->Project, *instance, oEditableFiles->UnsavedTexts()}))
        bPreviewNeeded = false;
}

void TMainForm::ShowAbout() {
    oAboutForm->sVersion = oLog->sVersion;
    Services.RunModal(*oAboutForm);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!bShownOnce) {
        bShownOnce = true;
        QTimer::singleShot(0, this, &TMainForm::FirstDisplay);
    }
}

void TMainForm::FirstDisplay() {
    oLog->Add(QStringLiteral("Auto Create complete"));
    if (!bRunning) {
        oLog->Add(QStringLiteral("Creating Splash Form..."));
        oSplashForm = new TSplashForm(Services.Clock(), this);
        oSplashForm->setAttribute(Qt::WA_DeleteOnClose);
        oSplashForm->SetDelay(Settings.iSplashDelay);
        connect(oSplashForm, &TSplashForm::StartMainProgram, this, &TMainForm::FinishFirstDisplay);
        connect(oSplashForm, &QObject::destroyed, this, [this] { oSplashForm = nullptr; });
        oLog->Add(QStringLiteral("Showing Splash Form..."));
        oSplashForm->show();
        oLog->Add(QStringLiteral("Checking for Plug Ins"));
        oLog->Add(QStringLiteral("Set Up completed"));
        RefreshBtnClick();
        return;
    }
    RefreshBtnClick();
    FinishFirstDisplay();
}

void TMainForm::FinishFirstDisplay() {
    if (oSplashForm && oSplashForm->isVisible()) {
        oLog->Add(QStringLiteral("Introduction completed"));
        oLog->Add(QStringLiteral("Initialising Menu..."));
    }
    activateWindow();
    setFocus();
    // The browser draws into the main window's own native window; that is the
    // window its pointer messages arrive at.
    hWebBrowser = Layout.PreviewPanel->Browser().WindowHandle();
    oLog->Add(QStringLiteral("Browser window handle = ") + QString::number(hWebBrowser));
    QTimer::singleShot(0, this, &TMainForm::ApplicationIdle);
    emit FirstDisplayCompleted();
}

void TMainForm::ApplicationIdle() {
    if (!bRunning && oTipsForm->bShowTipsAtStartUp && isVisible()) {
        oTipsForm->show();
        bRunning = true;
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!oProjectCommands->CloseQuery()) {
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}
