#pragma once

#include "IUpLoadUi.h"
#include "TUpLoadSession.h"
#include "TUpLoadSettings.h"
#include "TUpLoadWorker.h"

#include <QDialog>
#include <QMessageBox>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TFormatGrid;
class TLog;

// Shows a message box (an error box, or a question for the Question icon) and
// answers the button pressed. The editor passes its own prompts; a test
// answers from a script.
using TUpLoadPrompt = std::function<QMessageBox::StandardButton(
    QWidget* parent, QMessageBox::Icon icon, const QString& sText, QMessageBox::StandardButtons buttons)>;

// The FTP upload dialog: the site, user name, password and site directory,
// the connect button, the files to send with one progress bar each, Done and
// Cancel, and a status bar with the connection state, the remote directory
// and "Completed". The upload session does the work; connecting and uploading
// run on a worker thread, and while they run Connect, Upload Files and the
// edits are disabled. Closing during a transfer asks first, then stops it.
class TUpLoadForm : public QDialog, private IUpLoadUi {
    Q_OBJECT
public:
    // Messages and questions go through the prompt; steps are logged to log.
    TUpLoadForm(TLog& log, TUpLoadPrompt prompt, QWidget* parent = nullptr);
    ~TUpLoadForm() override;

    // The client's time limits and certificate authorities; whether TLS is
    // required comes from the check box.
    void SetFtpOptions(const TFtpOptions& options) { FtpOptions = options; }

    void SetSettings(const TUpLoadSettings& settings);
    TUpLoadSettings Settings() const;

    // One grid row with its progress bar per file (full paths); an empty
    // list changes nothing.
    void TransferSetUp(const QStringList& files);
    const QStringList& SourceFileList() const { return Session.SourceFileList(); }
    // Connecting or uploading.
    bool IsTransferring() const { return Worker.IsRunning(); }

    // Every way of closing comes here: while connected the designer is asked
    // first; during a transfer the dialog closes once the transfer has ended.
    void done(int iResult) override;

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* FTPSiteEdit = nullptr;
    QLineEdit* UsernameEdit = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QLineEdit* TargetDirEdit = nullptr;
    QCheckBox* RequireTlsBox = nullptr;
    QPushButton* ConnectBtn = nullptr;
    QPushButton* UpLoadBtn = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    TFormatGrid* TransferGrid = nullptr;
    QPushButton* CompleteBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    std::array<QLabel*, 3> StatusPanels = {}; // connection state, remote directory, "Completed"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildSetupGroup();
    QWidget* BuildProgressGroup();
    QWidget* BuildStatusBar();
    QLineEdit* AddEdit(QWidget* group, QFormLayout* layout, const char* sName, const QString& sCaption);

    void FormShow();
    void OnEditing();
    void ConnectBtnClick();
    void UpLoadBtnClick();
    void CompleteBtnClick(int iResult);
    void RunStep(std::function<void()> step);
    void StepFinished();
    void FinishClosing();
    void ApplyControls();
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& sText, QMessageBox::StandardButtons buttons);

    // IUpLoadUi, in the dialog's thread.
    COverwriteAnswer AskOverwrite(const QString& sQuestion) override;
    bool AskYesNo(const QString& sQuestion) override;
    void ShowError(const QString& sMessage) override;
    void ReportError(const QString& sMessage) override;
    void Log(const QString& sLine) override;
    void ShowStatus(CStatusPanel panel, const QString& sText) override;
    void ShowProgress(int iFile, int iPercent) override;
    void UpdateControls(const TUpLoadControls& controls) override;

    TLog& oLog;
    TUpLoadPrompt Prompt;
    TFtpOptions FtpOptions;
    TUpLoadWorker Worker{*this, *this};
    TUpLoadSession Session{Worker};
    TUpLoadControls Controls;
    std::vector<QProgressBar*> ProgressBars;
    bool bClosing = false; // closing was confirmed; waits for the transfer to end
    int iCloseResult = Rejected;
};
