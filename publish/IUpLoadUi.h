#pragma once

#include <QString>

// The answers to the question before an existing remote file is overwritten.
enum COverwriteAnswer { oaYes, oaNo, oaYesToAll };

// The three panels of the upload dialog's status bar.
enum CStatusPanel { spConnection, spDirectory, spCompleted };

// The state of the upload dialog's buttons and edits.
struct TUpLoadControls {
    QString sConnectCaption; // "Connect" or "Disconnect"
    int iConnectPicture = 0; // 0 connect, 1 disconnect
    bool bConnectEnabled = false;
    bool bEditsEnabled = true; // site, user name, password and site directory
    bool bUpLoadEnabled = false;
    bool bDoneEnabled = false;

    bool operator==(const TUpLoadControls&) const = default;
};

// What the upload session asks of its dialog. The editor implements it with
// the dialog's widgets and message boxes, tests with scripted answers.
class IUpLoadUi {
public:
    virtual ~IUpLoadUi() = default;

    // The question with the buttons Yes, No and Yes to All.
    virtual COverwriteAnswer AskOverwrite(const QString& sQuestion) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& sQuestion) = 0;
    // An error box only.
    virtual void ShowError(const QString& sMessage) = 0;
    // An error written to the session log and shown in an error box.
    virtual void ReportError(const QString& sMessage) = 0;
    // One line of the session log.
    virtual void Log(const QString& sLine) = 0;
    virtual void ShowStatus(CStatusPanel panel, const QString& sText) = 0;
    // The progress bar of the file at that index of the file list, 0 to 100.
    virtual void ShowProgress(int iFile, int iPercent) = 0;
    virtual void UpdateControls(const TUpLoadControls& controls) = 0;
};
