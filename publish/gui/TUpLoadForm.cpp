#include "TUpLoadForm.h"

#include "StringUtils.h"
#include "TFormatGrid.h"
#include "TLog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// The grid's two columns: file names and progress, green Tahoma on light cyan,
// rows highlighted by their marks, nothing editable.
const QStringList TransferColumns = {
    QStringLiteral("(240,(Tahoma,8,,00008000),0,(File),2,0,0,00FFFF80,FF00000D)"),
    QStringLiteral("(123,(Tahoma,8,,00008000),0,(Progress),2,0,0,00FFFF80,FF00000D)"),
};

// Light blue behind the bar, green bar.
const QString sProgressBarStyle = QStringLiteral("QProgressBar { background-color: #A6CAF0; text-align: center; }"
                                                 "QProgressBar::chunk { background-color: #42F7BB; }");

struct TStatusPanel {
    const char* sName;
    int iWidth;
};
constexpr std::array<TStatusPanel, 3> aStatusPanels = {TStatusPanel{"Connection state", 90},
                                                       TStatusPanel{"Current remote directory", 180},
                                                       TStatusPanel{"Upload result", 50}};

// Password characters are shown as "*", at once.
class TAsteriskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return '*';
        }
        if (hint == SH_LineEdit_PasswordMaskDelay) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QPushButton* NewButton(const char* sName, const QString& sCaption, QWidget* parent) {
    auto* button = new QPushButton(sCaption, parent);
    button->setObjectName(QString::fromLatin1(sName));
    button->setAccessibleName(sCaption);
    return button;
}

} // namespace

TUpLoadForm::TUpLoadForm(TLog& log, TUpLoadPrompt prompt, QWidget* parent)
    : QDialog(parent), oLog(log), Prompt(std::move(prompt)) {
    setObjectName(QStringLiteral("UpLoadForm"));
    setWindowTitle(QStringLiteral("FTP File Upload"));
    setModal(true);
    Controls.sConnectCaption = QStringLiteral("Connect");

    CompleteBtn = NewButton("CompleteBtn", QStringLiteral("Done"), this);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(CompleteBtn, &QPushButton::clicked, this, [this] { CompleteBtnClick(Accepted); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CompleteBtnClick(Rejected); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CompleteBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSetupGroup());
    layout->addWidget(BuildProgressGroup(), 1);
    layout->addLayout(buttons);
    layout->addWidget(BuildStatusBar());
    connect(&Worker, &TUpLoadWorker::Finished, this, &TUpLoadForm::StepFinished);
    ApplyControls();
}

TUpLoadForm::~TUpLoadForm() {
    disconnect(&Worker, nullptr, this, nullptr);
    Session.Abort();
    Worker.Stop();
}

QLineEdit* TUpLoadForm::AddEdit(QWidget* group, QFormLayout* layout, const char* sName, const QString& sCaption) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QString::fromLatin1(sName));
    edit->setAccessibleName(sCaption);
    auto* label = new QLabel(sCaption, group);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, &TUpLoadForm::OnEditing);
    return edit;
}

QWidget* TUpLoadForm::BuildSetupGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral(" FTP Setup "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* fields = new QFormLayout;
    FTPSiteEdit = AddEdit(GroupBox1, fields, "FTPSiteEdit", QStringLiteral("FTP Site: "));
    UsernameEdit = AddEdit(GroupBox1, fields, "UsernameEdit", QStringLiteral("Username: "));
    PasswordEdit = AddEdit(GroupBox1, fields, "PasswordEdit", QStringLiteral("Password: "));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    auto* asterisks = new TAsteriskStyle;
    asterisks->setParent(PasswordEdit);
    PasswordEdit->setStyle(asterisks);
    TargetDirEdit = AddEdit(GroupBox1, fields, "TargetDirEdit", QStringLiteral("Site Directory: "));
    RequireTlsBox = new QCheckBox(QStringLiteral("Require encrypted connection (FTPS)"), GroupBox1);
    RequireTlsBox->setObjectName(QStringLiteral("RequireTlsBox"));
    RequireTlsBox->setAccessibleName(RequireTlsBox->text());
    RequireTlsBox->setChecked(true);
    fields->addRow(RequireTlsBox);

    ConnectBtn = NewButton("ConnectBtn", QStringLiteral("Connect"), GroupBox1);
    UpLoadBtn = NewButton("UpLoadBtn", QStringLiteral("Upload Files"), GroupBox1);
    connect(ConnectBtn, &QPushButton::clicked, this, &TUpLoadForm::ConnectBtnClick);
    connect(UpLoadBtn, &QPushButton::clicked, this, &TUpLoadForm::UpLoadBtnClick);
    auto* commands = new QHBoxLayout;
    commands->addWidget(ConnectBtn);
    commands->addWidget(UpLoadBtn);
    commands->addStretch();

    auto* layout = new QVBoxLayout(GroupBox1);
    layout->addLayout(fields);
    layout->addLayout(commands);
    return GroupBox1;
}

QWidget* TUpLoadForm::BuildProgressGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral(" Transfer Progress "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    TransferGrid = new TFormatGrid(GroupBox2);
    TransferGrid->setObjectName(QStringLiteral("TransferGrid"));
    TransferGrid->setAccessibleName(QStringLiteral("Transfer Progress"));
    TransferGrid->LoadColumnFeatures(TransferColumns);
    TransferGrid->SetHighlightRows(true);
    // Both columns fit without scrolling, beside a vertical scroll bar.
    TransferGrid->setMinimumWidth(TransferGrid->horizontalHeader()->length() + 2 * TransferGrid->frameWidth() +
                                  TransferGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto* layout = new QVBoxLayout(GroupBox2);
    layout->addWidget(TransferGrid);
    return GroupBox2;
}

QWidget* TUpLoadForm::BuildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // A screen reader reads the panel's text; the description says which panel it is.
        panel->setAccessibleDescription(QString::fromLatin1(aStatusPanels.at(i).sName));
        panel->setMinimumWidth(aStatusPanels.at(i).iWidth);
        bar->addWidget(panel, i == spDirectory ? 1 : 0);
        StatusPanels.at(i) = panel;
    }
    return bar;
}

void TUpLoadForm::SetSettings(const TUpLoadSettings& settings) {
    Session.sSite = settings.sSite;
    Session.sUsername = settings.sUsername;
    Session.sPassword = settings.sPassword;
    Session.SetTargetDir(settings.sRemotePath);
    TargetDirEdit->setText(settings.sRemotePath);
    RequireTlsBox->setChecked(settings.bRequireTls);
    move(settings.Position);
}

TUpLoadSettings TUpLoadForm::Settings() const {
    TUpLoadSettings settings;
    settings.sSite = Session.sSite;
    settings.sUsername = Session.sUsername;
    settings.sPassword = Session.sPassword;
    settings.sRemotePath = TrimText(TargetDirEdit->text());
    settings.bRequireTls = RequireTlsBox->isChecked();
    settings.Position = pos();
    return settings;
}

void TUpLoadForm::TransferSetUp(const QStringList& files) {
    if (files.isEmpty() || IsTransferring()) {
        return;
    }
    TransferGrid->setRowCount(0); // frees the bars of the previous files
    TransferGrid->setRowCount(int(files.size()));
    ProgressBars.clear();
    for (int i = 0; i < files.size(); ++i) {
        TransferGrid->SetCellText(i, 0, QFileInfo(files.at(i)).fileName());
        auto* bar = new QProgressBar;
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(i));
        bar->setAccessibleName(QFileInfo(files.at(i)).fileName());
        bar->setRange(0, 100);
        bar->setEnabled(false);
        bar->setStyleSheet(sProgressBarStyle);
        TransferGrid->setCellWidget(i, 1, bar);
        ProgressBars.push_back(bar);
    }
    Session.TransferSetUp(files);
}

void TUpLoadForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TUpLoadForm::FormShow() {
    bClosing = false;
    Session.FormShow();
    const TUpLoadFields& fields = Session.Fields();
    FTPSiteEdit->setText(fields.sSite);
    UsernameEdit->setText(fields.sUsername);
    PasswordEdit->setText(fields.sPassword);
    TargetDirEdit->setText(fields.sTargetDir);
}

void TUpLoadForm::OnEditing() {
    Session.OnEditing({FTPSiteEdit->text(), UsernameEdit->text(), PasswordEdit->text(), TargetDirEdit->text()});
}

void TUpLoadForm::ConnectBtnClick() {
    TFtpOptions options = FtpOptions;
    options.bUseTls = RequireTlsBox->isChecked();
    Session.SetFtpOptions(options);
    RunStep([this] { Session.ConnectBtnClick(); });
}

void TUpLoadForm::UpLoadBtnClick() {
    RunStep([this] { Session.UpLoadFileList(); });
}

void TUpLoadForm::CompleteBtnClick(int iResult) {
    Session.CompleteBtnClick();
    done(iResult);
}

void TUpLoadForm::RunStep(std::function<void()> step) {
    if (bClosing || !Worker.Run(std::move(step))) {
        return;
    }
    ApplyControls();
}

void TUpLoadForm::StepFinished() {
    if (bClosing) {
        FinishClosing();
    }
    ApplyControls();
}

void TUpLoadForm::done(int iResult) {
    if (bClosing) {
        return;
    }
    if (!Worker.IsRunning()) {
        if (Session.FormCloseQuery()) {
            QDialog::done(iResult);
        }
        return;
    }
    // The controls show whether the running step is connected.
    if (Controls.iConnectPicture == 1 && !AskYesNo(TUpLoadSession::CloseQuestion())) {
        return;
    }
    bClosing = true;
    iCloseResult = iResult;
    ApplyControls();
    if (Worker.IsRunning()) {
        Session.Abort(); // StepFinished closes the dialog
        Worker.CancelQuestions();
    } else {
        FinishClosing(); // the step ended while the question was open
    }
}

void TUpLoadForm::FinishClosing() {
    bClosing = false;
    Session.Disconnect();
    QDialog::done(iCloseResult);
}

void TUpLoadForm::ApplyControls() {
    const bool bIdle = !Worker.IsRunning() && !bClosing;
    ConnectBtn->setText(Controls.sConnectCaption);
    ConnectBtn->setAccessibleName(Controls.sConnectCaption);
    ConnectBtn->setIcon(
        style()->standardIcon(Controls.iConnectPicture == 1 ? QStyle::SP_BrowserStop : QStyle::SP_DriveNetIcon));
    ConnectBtn->setEnabled(bIdle && Controls.bConnectEnabled);
    UpLoadBtn->setEnabled(bIdle && Controls.bUpLoadEnabled);
    for (QWidget* edit :
         {static_cast<QWidget*>(FTPSiteEdit), static_cast<QWidget*>(UsernameEdit), static_cast<QWidget*>(PasswordEdit),
          static_cast<QWidget*>(TargetDirEdit), static_cast<QWidget*>(RequireTlsBox)}) {
        edit->setEnabled(bIdle && Controls.bEditsEnabled);
    }
    CompleteBtn->setEnabled(Controls.bDoneEnabled);
}

QMessageBox::StandardButton TUpLoadForm::Ask(QMessageBox::Icon icon, const QString& sText,
                                             QMessageBox::StandardButtons buttons) {
    return Prompt(this, icon, sText, buttons);
}

COverwriteAnswer TUpLoadForm::AskOverwrite(const QString& sQuestion) {
    switch (Ask(QMessageBox::Question, sQuestion, QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll)) {
    case QMessageBox::Yes:
        return oaYes;
    case QMessageBox::YesToAll:
        return oaYesToAll;
    default:
        return oaNo;
    }
}

bool TUpLoadForm::AskYesNo(const QString& sQuestion) {
    return Ask(QMessageBox::Question, sQuestion, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TUpLoadForm::ShowError(const QString& sMessage) {
    Ask(QMessageBox::Critical, sMessage, QMessageBox::Ok);
}

// The dialog's reports go to the session log as the message alone, as every
// log-and-show error does, then into an error box.
void TUpLoadForm::ReportError(const QString& sMessage) {
    oLog.Add(sMessage);
    ShowError(sMessage);
}

void TUpLoadForm::Log(const QString& sLine) {
    oLog.Add(sLine);
}

void TUpLoadForm::ShowStatus(CStatusPanel panel, const QString& sText) {
    StatusPanels.at(std::size_t(panel))->setText(sText);
}

void TUpLoadForm::ShowProgress(int iFile, int iPercent) {
    if (iFile >= 0 && iFile < int(ProgressBars.size())) {
        ProgressBars.at(std::size_t(iFile))->setValue(iPercent);
    }
}

void TUpLoadForm::UpdateControls(const TUpLoadControls& controls) {
    Controls = controls;
    ApplyControls();
}
