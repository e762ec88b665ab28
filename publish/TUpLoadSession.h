#pragma once

#include "IUpLoadUi.h"
#include "TFtpClient.h"

#include <QStringList>

#include <atomic>
#include <optional>

// cmNone: ask before overwriting an existing file; cmOverwriteAll: the answer
// Yes to All was given during this upload.
enum CCopyMode { cmNone, cmOverwriteAll };

// The texts of the four edits of the upload dialog.
struct TUpLoadFields {
    QString sSite;
    QString sUsername;
    QString sPassword;
    QString sTargetDir;
};

// The logic of the upload dialog: connecting and entering the site directory,
// uploading the compiled files with the overwrite questions, checking the
// remote listing afterwards, and reporting every step. The dialog shows what
// the session reports through IUpLoadUi and passes the designer's clicks and
// edits to it.
class TUpLoadSession {
public:
    explicit TUpLoadSession(IUpLoadUi& ui);
    TUpLoadSession(const TUpLoadSession&) = delete;
    TUpLoadSession& operator=(const TUpLoadSession&) = delete;

    // The values remembered from the last use of the dialog, kept in the
    // settings store.
    QString sSite;
    QString sUsername;
    QString sPassword;

    // The remote folder field, kept as it is when the dialog is shown.
    void SetTargetDir(const QString& sDir) { Edits.sTargetDir = sDir; }

    // Explicit FTPS and the client's time limits; plain FTP by default.
    void SetFtpOptions(const TFtpOptions& options) { FtpOptions = options; }

    // Takes the full paths of the files to send; an empty list changes nothing.
    void TransferSetUp(const QStringList& files);
    const QStringList& SourceFileList() const { return Files; }

    // The dialog is shown: the edits take the remembered values (the site
    // directory keeps its text), Upload and Done are disabled.
    void FormShow();
    const TUpLoadFields& Fields() const { return Edits; }
    void OnEditing(const TUpLoadFields& fields);
    bool IsEdited() const { return bEdited; }

    void ConnectBtnClick();
    // Uploads every file of the list; true when all of them were found on the
    // server afterwards. Disconnects in every case.
    bool UpLoadFileList();
    // Done or Cancel: the trimmed site, user name and password are remembered.
    void CompleteBtnClick();
    // Closing the dialog: while connected the designer is asked, and Yes
    // disconnects. True when it may close.
    bool FormCloseQuery();
    static QString CloseQuestion();
    void Disconnect();
    // May be called from any thread while ConnectBtnClick or UpLoadFileList
    // runs on another: the transfer in progress stops, nothing more is sent
    // or asked, no failure is reported, and the connection ends. Holds until
    // the dialog is shown again.
    void Abort();

    bool IsConnected() const { return FTPClient.Connected(); }
    CCopyMode GetCopyMode() const { return CopyMode; }
    const TUpLoadControls& Controls() const { return CurrentControls; }

private:
    IUpLoadUi& oUi;
    TFtpClient FTPClient;
    TFtpOptions FtpOptions;
    QStringList Files;
    TUpLoadFields Edits;
    TUpLoadControls CurrentControls;
    CCopyMode CopyMode = cmNone;
    qint64 iTransferSize = 0;
    int iCurrentFile = -1; // the file whose progress is shown, -1 for none
    bool bEdited = false;
    bool bUpLoadEnabled = false;
    bool bDoneEnabled = false;
    bool bBusy = false;       // connecting or uploading: Connect and Upload stay disabled
    bool bSendFailed = false; // a file of this upload was refused
    std::atomic<bool> bAborted = false;

    void UpdateControls();
    // Error boxes (ReportError also logs); none once the upload was aborted.
    void ShowError(const QString& sMessage);
    void ReportError(const QString& sMessage);
    bool EnterSiteDirectory(const QString& sDir);
    std::optional<QStringList> ReadRemoteFileNames();
    void SendFiles(const QStringList& existingNames);
    void SendFile(int iFile);
    void OnStatus(CFtpStatus status, const QString& sText);
    void ShowProgress(qint64 iBytesSoFar);
};
