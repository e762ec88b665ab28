#include "TMainForm.h"

#include "PasswordScrambler.h"
#include "PreviewPages.h"
#include "ProjectFiles.h"
#include "TAboutForm.h"
#include "TEditorServices.h"
#include "THelpForm.h"
#include "TLog.h"
#include "TOptionsForm.h"
#include "TPreviewBrowser.h"
#include "TPreviewPanel.h"
#include "TProjectDocument.h"
#include "TScriptForm.h"
#include "TSingleInstance.h"
#include "TSplashForm.h"
#include "TTipsForm.h"
#include "TVersionTexts.h"
#include "TZEPProject.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

const QString sStartUpTemplate = QStringLiteral("Default");

// The design position of a window: the middle of the primary screen. Stored
// positions replace it when the settings are read.
void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2));
}

// Code generator reports go to the session log and, for errors, to an error box.
class TLogReport : public ICodegenReport {
public:
    explicit TLogReport(TLog& log) : oLog(log) {}
    void Log(const QString& sText) override { oLog.Add(sText); }
    void ShowError(const QString& sText) override { oLog.Error(sText); }

private:
    TLog& oLog;
};

} // namespace

TMainForm::TMainForm(IEditorServices& services, TStartUpContext context)
    : Services(services), Context(std::move(context)), oLog(std::make_unique<TLog>()),
      oMessageUi(std::make_unique<TMessageUi>(services, this)) {
    setObjectName(QStringLiteral("MainForm"));
    oLog->SetMessageUi(oMessageUi.get());
    oEditCommands = new TEditCommands(this);
    BuildWindow();
}

TMainForm::~TMainForm() {
    if (oOptionsForm && oOptionsForm->DeleteLogBox->isChecked() && !oLog->GetFullFileName().isEmpty())
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

    resize(800, 640);
    CentreOnScreen(*this);
    oTipsForm->adjustSize();
    CentreOnScreen(*oTipsForm);
    sTitleBase = TitleBase(oLog->sVersionStrings[2], oLog->sShortVersion2);
    setWindowTitle(sTitleBase);

    sLongVersionString = LongVersionString(oLog->sVersion);
    oLog->Add(QStringLiteral("V:") + sLongVersionString);

    oDocument = std::make_unique<TProjectDocument>();
    bCompiling = false;
    ClearClipboardMark();
    while (InstanceTabs->count() > 0)
        InstanceTabs->removeTab(0);

    LoadSettings();
    return true;
}

bool TMainForm::PrepareWorkingFolders() {
    return Context.Folders.Prepare(*oLog, Services, Context.sExeName, Context.Today);
}

void TMainForm::CreateDialogs() {
    oOptionsForm = new TOptionsForm(Services, this);
    connect(oOptionsForm, &TOptionsForm::BaseLocationChanged, this,
            [this](const QString& sFolder) { sDefaultProjectDir = sFolder; });
    oScriptForm = std::make_unique<TScriptForm>();
    oTipsForm = new TTipsForm(Services.Clock(), this);
    oHelpForm = new THelpForm(this);
    oAboutForm = new TAboutForm(this);
    connect(oAboutForm, &TAboutForm::OpenURLRequested, this, &TMainForm::OpenURL);
}

void TMainForm::BuildWindow() {
    MainActions.Build(*this, *oEditCommands);
    oEditCommands->InstallContextMenus();
    ConnectCommands();

    QPalette tipPalette = QToolTip::palette();
    tipPalette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xCC));
    tipPalette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tipPalette);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildEditorColumn());
    PreviewPanel = new TPreviewPanel(splitter);
    splitter->addWidget(PreviewPanel);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(480);
    PointerPanel = new QLabel(this);
    PointerPanel->setObjectName(QStringLiteral("PointerPanel"));
    PointerPanel->setFixedWidth(50);
    statusBar()->addWidget(StatusPanel);
    statusBar()->addWidget(PointerPanel);
    connect(PreviewPanel, &TPreviewPanel::PointerMoved, this, [this](const QPoint& position) {
        PointerPanel->setText(QStringLiteral("%1, %2").arg(position.x()).arg(position.y()));
    });
    connect(PreviewPanel, &TPreviewPanel::PointerLeft, PointerPanel, &QLabel::clear);
    connect(PreviewPanel, &TPreviewPanel::BrowserPointerMoved, this, [this](const QPoint& position) {
        PointerPanel->setText(QStringLiteral("X=%1, Y=%2").arg(position.x()).arg(position.y()));
    });
    connect(PreviewPanel, &TPreviewPanel::BrowserClicked, this, &TMainForm::CheckForPreview);
    qApp->installEventFilter(this);
}

QWidget* TMainForm::BuildEditorColumn() {
    auto* column = new QWidget(this);
    InstanceTabs = new QTabBar(column);
    InstanceTabs->setObjectName(QStringLiteral("InstanceTabs"));
    // The instance editor's groups take their page here.
    EditorGroups = new QStackedWidget(column);
    EditorGroups->setObjectName(QStringLiteral("EditorGroups"));
    EditorGroups->setMinimumWidth(300);
    ContextHelpPanel = new QGroupBox(column);
    ContextHelpPanel->setObjectName(QStringLiteral("ContextHelpPanel"));
    ContextHelpText = new QPlainTextEdit(ContextHelpPanel);
    ContextHelpText->setObjectName(QStringLiteral("ContextHelpText"));
    ContextHelpText->setReadOnly(true);
    ContextHelpText->setMaximumHeight(90);
    auto* helpLayout = new QVBoxLayout(ContextHelpPanel);
    helpLayout->addWidget(ContextHelpText);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(InstanceTabs);
    layout->addWidget(EditorGroups, 1);
    layout->addWidget(ContextHelpPanel);
    return column;
}

void TMainForm::ConnectCommands() {
    const TMainActions& a = MainActions;
    connect(a.EditMenu, &QMenu::aboutToShow, this,
            [this] { oEditCommands->UpdateStates(QApplication::focusWidget()); });
    connect(a.OptionsMenu, &QAction::triggered, this, &TMainForm::ToolsBtnClick);
    connect(a.RefreshMenu, &QAction::triggered, this, &TMainForm::RefreshBtnClick);
    connect(a.ContentsMenu, &QAction::triggered, this, [this] { oHelpForm->ShowContents(); });
    connect(a.HelpBtn, &QAction::triggered, this, [this] { oHelpForm->ShowContents(); });
    connect(a.SearchHelpMenu, &QAction::triggered, this, [this] { ShowHelpKeyword(QStringLiteral(" ")); });
    connect(a.HowDoIMenu, &QAction::triggered, this, [this] { ShowHelpKeyword(QStringLiteral("frames")); });
    connect(a.TipsMenu, &QAction::triggered, this, &TMainForm::ShowTipsModal);
    connect(a.AboutMenu, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(a.VisitWebMenu, &QAction::triggered, this, [this] { OpenURL(QString::fromLatin1(TAboutForm::sHomePage)); });
    connect(a.SupportMenu, &QAction::triggered, this,
            [this] { OpenURL(QString::fromLatin1(TAboutForm::sSupportPage)); });
}

void TMainForm::ClearClipboardMark() {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard->text() == QStringLiteral("Clipboard"))
        clipboard->clear();
}

void TMainForm::Status(const QString& sVal) {
    oLog->Add(QStringLiteral("Status [") + sVal + QStringLiteral("]"));
    StatusPanel->setText(sVal);
    StatusPanel->repaint();
}

QString TMainForm::StatusText() const {
    return StatusPanel->text();
}

QString TMainForm::PointerText() const {
    return PointerPanel->text();
}

void TMainForm::OpenURL(const QString& sURL) {
    Services.ShellOpen(sURL, ProjectDirectory(oDocument ? oDocument->Project.sFullProjectName : QString()));
}

void TMainForm::ShowHelpKeyword(const QString& sKeyword) {
    oHelpForm->ShowKeyword(sKeyword);
}

void TMainForm::HintChanged(const QString& sHint) {
    const QString sTrimmed = sHint.trimmed();
    if (sTrimmed.isEmpty() || !ContextHelpString)
        return;
    const QString sHelp = ContextHelpString(sTrimmed);
    if (sHelp.isEmpty())
        return;
    ContextHelpPanel->setTitle(sTrimmed + QStringLiteral(":"));
    ContextHelpText->setPlainText(sHelp);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched->isWidgetType())
        HintChanged(static_cast<QWidget*>(watched)->toolTip());
    else if (event->type() == QEvent::MouseMove && watched->isWidgetType() && watched != PreviewPanel &&
             !PreviewPanel->isAncestorOf(static_cast<QWidget*>(watched)))
        PointerPanel->clear();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::LoadSettings() {
    bUpdating = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    TSettingsDefaults defaults;
    defaults.sUserPath = Context.Folders.sUserPath;
    defaults.sBaseTemplatePath = Context.Folders.sBaseTemplatePath;
    defaults.ScreenSize = screen ? screen->size() : QSize(1024, 768);
    defaults.MainPosition = pos();
    defaults.QuickTipsPosition = oTipsForm->pos();
    defaults.CompileResultsPosition = UploadSettings.CompileResultsPosition;
    defaults.UpLoadPosition = UploadSettings.UpLoadPosition;
    const TAppSettings settings = TSettingsStore::Load(*Services.OpenSettings(), defaults, DecodePassword);

    move(settings.MainPosition);
    resize(settings.iWidth, settings.iHeight);
    UploadSettings.CompileResultsPosition = settings.CompileResultsPosition;
    oTipsForm->move(settings.QuickTipsPosition);
    UploadSettings.UpLoadPosition = settings.UpLoadPosition;
    oTipsForm->bShowTipsAtStartUp = settings.bShowTips;
    bRandomTips = settings.bRandomTips;
    oTipsForm->bRandomTips = settings.bRandomTips;
    iFirstTip = settings.iFirstTip;
    iTimerInterval = settings.iSplashDelay;

    oOptionsForm->BaseLocationEdit->setText(settings.sBaseLocation);
    oOptionsForm->ShowCompileBox->setChecked(settings.bShowCompile);
    oOptionsForm->AutoSaveBox->setChecked(settings.bAutoSave);
    oOptionsForm->DeleteLogBox->setChecked(settings.bDeleteLog);
    oOptionsForm->UpdateFrequencyListBox->setCurrentRow(settings.iUpdateFrequency);
    oOptionsForm->LastUpdate = settings.dLastUpdated;

    UploadSettings.sSite = settings.sFTPSite;
    UploadSettings.sUsername = settings.sUsername;
    UploadSettings.sPassword = settings.sPassword;
    UploadSettings.sRemotePath = settings.sRemotePath;

    ProjectList.Assign(settings.ProjectList);
    sDefaultProjectDir = settings.sDefaultProjectDir;
    sUserTemplatePath = settings.sUserTemplatePath;
    StartUpLoad();
}

void TMainForm::SaveSettings() {
    TAppSettings settings;
    settings.MainPosition = pos();
    settings.iHeight = height();
    settings.iWidth = width();
    settings.CompileResultsPosition = UploadSettings.CompileResultsPosition;
    settings.QuickTipsPosition = oTipsForm->pos();
    settings.UpLoadPosition = UploadSettings.UpLoadPosition;
    settings.bShowTips = oTipsForm->bShowTipsAtStartUp;
    settings.bRandomTips = bRandomTips;
    settings.iFirstTip = iFirstTip;
    settings.iSplashDelay = iTimerInterval;
    settings.sBaseLocation = oOptionsForm->BaseLocationEdit->text();
    settings.bShowCompile = oOptionsForm->ShowCompileBox->isChecked();
    settings.bAutoSave = oOptionsForm->AutoSaveBox->isChecked();
    settings.bDeleteLog = oOptionsForm->DeleteLogBox->isChecked();
    settings.iUpdateFrequency = oOptionsForm->UpdateFrequencyListBox->currentRow();
    settings.dLastUpdated = oOptionsForm->LastUpdate;
    settings.sFTPSite = UploadSettings.sSite;
    settings.sUsername = UploadSettings.sUsername;
    settings.sPassword = UploadSettings.sPassword;
    settings.sRemotePath = UploadSettings.sRemotePath;
    settings.sCurrentProject = oDocument->Project.sFullProjectName;
    settings.ProjectList = ProjectList.Items();
    settings.sUserTemplatePath = sUserTemplatePath;
    settings.sDefaultProjectDir = sDefaultProjectDir;
    TSettingsStore::Save(*Services.OpenSettings(), settings, EncodePassword);
}

void TMainForm::StartUpLoad() {
    const QStringList& args = Context.Arguments;
    oLog->Add(QStringLiteral("ParamCount = %1, ParamStr(1) = %2").arg(args.size()).arg(args.value(0)));
    bool bLoaded = false;
    QString sRefusal; // why the project named on the command line did not open
    if (args.size() == 1 && QFileInfo(args[0]).suffix().toUpper() == QStringLiteral("ZRJ")) {
        oDocument->Project.sFullProjectName = QFileInfo(args[0]).absoluteFilePath();
        bLoaded = LoadProject(false);
        // A project whose load failed has shown its reason already; a file that is no project says why here.
        if (!bLoaded && TProjectDocument::IsProjectFile(oDocument->Project.sFullProjectName, &sRefusal))
            sRefusal = oDocument->GetLastError();
        else if (!bLoaded)
            LogAndShowError(*oLog, sRefusal);
    }
    if (!bLoaded) {
        oDocument->Project.sFullProjectName =
            Context.Folders.sBaseTemplatePath + sStartUpTemplate + QStringLiteral(".zrj");
        bLoaded = LoadProject(true);
    }
    if (bLoaded) {
        SetProjectTitle();
        Status(QStringLiteral("Loaded Project <") + oDocument->Project.sFullProjectName + QStringLiteral(">"));
        PreviewChange();
    } else {
        SetNoProjectTitle();
        oDocument->Project.sFullProjectName.clear();
    }
    if (!sRefusal.isEmpty())
        Status(sRefusal);
    bEdited = false;
    bUpdating = false;
}

bool TMainForm::LoadProject(bool bTemplateRequired) {
    const QString sPath = oDocument->Project.sFullProjectName;
    if (!TProjectDocument::IsProjectFile(sPath))
        return false;

    bUpdating = true;
    if (!oDocument->Open(sPath, bTemplateRequired)) {
        LogAndShowError(*oLog, oDocument->GetLastError());
        bUpdating = false;
        return false;
    }
    while (InstanceTabs->count() > 0)
        InstanceTabs->removeTab(0);
    for (const auto& entry : oDocument->Project.InstanceList)
        InstanceTabs->addTab(entry.sCaption);
    InstanceTabs->setCurrentIndex(0);
    // A hidden tab bar does not tell its layout that its size changed.
    InstanceTabs->updateGeometry();
    UpdateOptionsFromProject();

    bUpdating = false;
    bEdited = false;
    oLog->Add(QStringLiteral("Project <") + sPath + QStringLiteral("> loaded successfully"));
    ProjectList.Add(sPath, oDocument->Project.bTemplate == 1);
    RebuildReopenMenus();
    return true;
}

void TMainForm::RebuildReopenMenus() {
    MainActions.ReopenMenu->clear();
    MainActions.PreviousProjectPopUp->clear();
    for (const QString& sEntry : ProjectList.MenuEntries(oDocument->Project.sFullProjectName)) {
        MainActions.ReopenMenu->addAction(sEntry);
        MainActions.PreviousProjectPopUp->addAction(sEntry);
    }
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

void TMainForm::UpdateOptionsFromProject() {
    bUpdating = true;
    const TZEPProject& project = oDocument->Project;
    oOptionsForm->IncludeDynamicFunctionsBox->setChecked(project.bIncludeDynamicFunctions == 1);
    oOptionsForm->DynamicContentBox->setChecked(project.bDynamicContent == 1);
    oOptionsForm->TurnOffAudioBox->setChecked(project.bTurnOffAudio == 1);
    oOptionsForm->CoverBoxesBox->setChecked(project.bCoverBoxes == 1);
    oOptionsForm->InitialisationOptionsBox->setCurrentIndex(int(project.InitialisationOption));
    bUpdating = false;
}

void TMainForm::UpdateProjectFromOptions() {
    TZEPProject& project = oDocument->Project;
    project.bIncludeDynamicFunctions = oOptionsForm->IncludeDynamicFunctionsBox->isChecked() ? 1 : 0;
    project.bDynamicContent = oOptionsForm->DynamicContentBox->isChecked() ? 1 : 0;
    project.bTurnOffAudio = oOptionsForm->TurnOffAudioBox->isChecked() ? 1 : 0;
    project.bCoverBoxes = oOptionsForm->CoverBoxesBox->isChecked() ? 1 : 0;
    project.InitialisationOption = CInitialisationOptions(oOptionsForm->InitialisationOptionsBox->currentIndex());
}

void TMainForm::InterfaceChange() {
    if (bUpdating)
        return;
    UpdateProjectFromOptions();
    SetEdited();
}

void TMainForm::ToolsBtnClick() {
    if (Services.RunModal(*oOptionsForm) != QDialog::Accepted)
        return;
    if (oOptionsForm->bDCUEdited) {
        InterfaceChange();
        oLog->Add(QStringLiteral("Options edited"));
    }
}

TZEPProject& TMainForm::CurrentProject() {
    return oDocument->Project;
}

TZEPInstance* TMainForm::CurrentInstance() {
    const int iTab = InstanceTabs->currentIndex();
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
    if (instance == nullptr)
        return;
    // Events run while the browser loads; a request arriving then is served
    // once this preview has finished.
    if (bGeneratingPreview) {
        bPreviewRequested = true;
        return;
    }
    bGeneratingPreview = true;
    bCompiling = false;
    Status(QStringLiteral("Generating preview..."));
    TLogReport report(*oLog);
    const TScriptContext context =
        MakeScriptContext(oDocument->Project, *oScriptForm, Context.Folders.sBaseTemplatePath, report);
    TPreviewText text;
    QString sHostPage;
    QString sInternalPage;
    const bool bPrepared = PreparePreview(context, *instance, text, sHostPage, sInternalPage);
    // Without a preview page (too short a template, reported already) the
    // preview stops silently and stays pending.
    if (!bPrepared && sInternalPage.isEmpty()) {
        bGeneratingPreview = false;
        return;
    }
    TPreviewBrowser& browser = PreviewPanel->Browser();
    bool bShown = false;
    if (bPrepared) {
        browser.Navigate(sHostPage);
        bShown = browser.WaitForDocument() && browser.InsertAfterBegin(sInternalPage);
        if (!bShown)
            oLog->Add(browser.GetLastError());
    }
    Status(bShown ? QStringLiteral("Preview generated") : QStringLiteral("Error generating preview"));
    bPreviewNeeded = false;
    bGeneratingPreview = false;
    if (bPreviewRequested) {
        bPreviewRequested = false;
        QTimer::singleShot(0, this, &TMainForm::RefreshBtnClick);
    }
}

void TMainForm::ShowTipsModal() {
    Services.RunModal(*oTipsForm);
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
        oSplashForm->SetDelay(iTimerInterval);
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
    hWebBrowser = PreviewPanel->Browser().WindowHandle();
    oLog->Add(QStringLiteral("Browser window handle = ") + QString::number(hWebBrowser));
    emit FirstDisplayCompleted();
    QTimer::singleShot(0, this, &TMainForm::ApplicationIdle);
}

void TMainForm::ApplicationIdle() {
    if (!bRunning && oTipsForm->bShowTipsAtStartUp && isVisible()) {
        oTipsForm->show();
        bRunning = true;
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (bEdited) {
        const QString sQuestion = QStringLiteral("Project <") + ProjectStem(oDocument->Project.sFullProjectName) +
                                  QStringLiteral("> has been edited - Do you wish to save changes?");
        const auto answer = Services.Ask(this, CMessageKind::mkConfirmation, sQuestion,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Yes)
            MainActions.SaveProjectMenu->trigger();
    }
    SaveSettings();
    event->accept();
}
