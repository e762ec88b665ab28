#include "TUpLoadSession.h"

#include "StringUtils.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Whole percent of a transfer, 0 for an empty one.
int TransferPercent(qint64 iBytesSoFar, qint64 iTransferSize) {
    if (iTransferSize <= 0) {
        return 0;
    }
    return int(std::clamp<qint64>(iBytesSoFar * 100 / iTransferSize, 0, 100));
}

QString StatusText(CFtpStatus status, const QString& sText) {
    switch (status) {
    case fsResolving:
        return QStringLiteral("Resolving...");
    case fsConnecting:
        return QStringLiteral("Connecting...");
    case fsConnected:
        return QStringLiteral("Connected");
    case fsDisconnecting:
        return QStringLiteral("Disconnecting...");
    case fsDisconnected:
        return QStringLiteral("Disconnected");
    case fsStatusText:
        return QStringLiteral("Status: ") + sText;
    case fsReady:
        return QStringLiteral("Ready");
    case fsAborted:
        return QStringLiteral("Aborted");
    case fsTransfer:
        break;
    }
    return {};
}

const QString sNoTlsMessage =
    QStringLiteral("Exception whilst connecting\n"
                   "The server does not offer an encrypted connection (FTPS). To upload without encryption, clear "
                   "\"Require encrypted connection (FTPS)\" and connect again.");

QString ReplyError(const QString& sPrefix, const TFtpClient& client) {
    return sPrefix + QString::number(client.ReplyCode()) + QStringLiteral(" :") + client.ReplyText();
}

} // namespace

TUpLoadSession::TUpLoadSession(IUpLoadUi& ui) : oUi(ui) {
    FTPClient.OnStatus = [this](CFtpStatus status, const QString& sText) { OnStatus(status, sText); };
    FTPClient.OnWorkBegin = [this](qint64 iExpectedBytes) {
        iTransferSize = iExpectedBytes;
        ShowProgress(0);
    };
    FTPClient.OnWork = [this](qint64 iBytesSoFar) { ShowProgress(iBytesSoFar); };
    FTPClient.OnWorkEnd = [this] {
        if (iCurrentFile >= 0) {
            oUi.ShowProgress(iCurrentFile, 100);
        }
    };
}

void TUpLoadSession::TransferSetUp(const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    Files = files;
    for (int i = 0; i < Files.size(); ++i) {
        oUi.ShowProgress(i, 0);
    }
    bEdited = false;
}

void TUpLoadSession::FormShow() {
    Edits.sSite = sSite;
    Edits.sUsername = sUsername;
    Edits.sPassword = sPassword;
    bUpLoadEnabled = false;
    bDoneEnabled = false;
    bAborted = false;
    oUi.ShowStatus(spCompleted, {});
    UpdateControls();
}

void TUpLoadSession::OnEditing(const TUpLoadFields& fields) {
    Edits = fields;
    UpdateControls();
    bEdited = true;
}

void TUpLoadSession::ConnectBtnClick() {
    if (bBusy) {
        return;
    }
    if (FTPClient.Connected()) {
        bUpLoadEnabled = false;
        bDoneEnabled = false;
        UpdateControls();
        FTPClient.Disconnect();
        UpdateControls();
        return;
    }
    bBusy = true;
    bUpLoadEnabled = false;
    UpdateControls();
    FTPClient.SetOptions(FtpOptions);
    FTPClient.SetHost(TrimText(Edits.sSite));
    FTPClient.SetUsername(TrimText(Edits.sUsername));
    FTPClient.SetPassword(TrimText(Edits.sPassword));
    if (FTPClient.Connect()) {
        const QString sDir = TrimText(Edits.sTargetDir);
        if (!sDir.isEmpty() && !EnterSiteDirectory(sDir)) {
            ReportError(QStringLiteral("Cannot log on to directory <") + sDir + u'>');
            FTPClient.Disconnect();
        }
        bUpLoadEnabled = true;
    } else {
        ReportError(FTPClient.TlsRefused() ? sNoTlsMessage : QStringLiteral("Exception whilst connecting"));
        FTPClient.Disconnect();
    }
    if (bAborted) {
        FTPClient.Disconnect();
    }
    bBusy = false;
    UpdateControls();
}

// Backslashes separate components that are entered one at a time; a refused
// component is reported and the walk goes on. Empty components (a doubled or
// trailing backslash) are passed over.
bool TUpLoadSession::EnterSiteDirectory(const QString& sDir) {
    for (const QString& sPart : sDir.split(u'\\')) {
        const QString sComponent = TrimText(sPart);
        if (sComponent.isEmpty()) {
            continue;
        }
        if (!FTPClient.Connected()) {
            return false;
        }
        if (!FTPClient.ChangeDir(sComponent) && FTPClient.Connected()) {
            ShowError(ReplyError(QStringLiteral("Change Dir Error = "), FTPClient));
        }
    }
    QString sCurrentDir;
    if (!FTPClient.RetrieveCurrentDir(sCurrentDir) && !FTPClient.Connected()) {
        return false;
    }
    oUi.ShowStatus(spDirectory, QStringLiteral("Current dir: ") + sCurrentDir);
    return true;
}

bool TUpLoadSession::UpLoadFileList() {
    if (bBusy) {
        return false;
    }
    bBusy = true;
    UpdateControls();
    CopyMode = cmNone;
    bSendFailed = false;
    bool bCompleted = false;
    if (const std::optional<QStringList> existing = ReadRemoteFileNames(); !existing) {
        ShowError(QStringLiteral("Could not check existing file list"));
    } else {
        SendFiles(*existing);
        if (const std::optional<QStringList> uploaded = ReadRemoteFileNames(); !uploaded) {
            ShowError(QStringLiteral("Could not check UpLoaded file list"));
        } else {
            const auto missing = std::find_if(Files.cbegin(), Files.cend(), [&](const QString& sFile) {
                return !uploaded->contains(QFileInfo(sFile).fileName(), Qt::CaseSensitive);
            });
            if (missing != Files.cend()) {
                ShowError(QStringLiteral("Could not find file <") + QFileInfo(*missing).fileName() +
                          QStringLiteral("> after transferring it"));
            }
            // An older copy on the server passes the check; a refused send,
            // already reported, still leaves the upload incomplete.
            bCompleted = missing == Files.cend() && !bSendFailed;
        }
    }
    if (bCompleted) {
        oUi.ShowStatus(spCompleted, QStringLiteral("Completed"));
        bDoneEnabled = true;
        bUpLoadEnabled = false;
    }
    FTPClient.Disconnect();
    bBusy = false;
    UpdateControls();
    return bCompleted;
}

void TUpLoadSession::SendFiles(const QStringList& existingNames) {
    for (int i = 0; i < Files.size() && !bAborted; ++i) {
        const QString sName = QFileInfo(Files.at(i)).fileName();
        bool bSend = CopyMode == cmOverwriteAll || !existingNames.contains(sName, Qt::CaseSensitive);
        if (!bSend) {
            const COverwriteAnswer answer = oUi.AskOverwrite(QStringLiteral("File <") + sName +
                                                             QStringLiteral("> already exists on the upload site.\n"
                                                                            "Do you wish to overwrite?"));
            bSend = answer != oaNo;
            if (answer == oaYesToAll) {
                CopyMode = cmOverwriteAll;
            }
        }
        if (bSend) {
            SendFile(i);
        }
    }
}

void TUpLoadSession::SendFile(int iFile) {
    if (!FTPClient.Connected()) {
        return;
    }
    iCurrentFile = iFile;
    if (!FTPClient.Put(Files.at(iFile))) {
        bSendFailed = true;
        ShowError(ReplyError(QStringLiteral("File UpLoad Error = "), FTPClient));
    }
    iCurrentFile = -1;
}

// The names of the plain files in the current remote directory; the raw
// listing goes to the session log.
std::optional<QStringList> TUpLoadSession::ReadRemoteFileNames() {
    QString sRawListing;
    std::vector<TFtpListItem> items;
    if (!FTPClient.Connected() || !FTPClient.List(sRawListing, items)) {
        return std::nullopt;
    }
    oUi.Log(QStringLiteral("List = ") + sRawListing);
    QStringList names;
    for (const TFtpListItem& item : items) {
        if (item.bIsFile) {
            names.append(item.sName);
        }
    }
    return names;
}

void TUpLoadSession::CompleteBtnClick() {
    sSite = TrimText(Edits.sSite);
    sUsername = TrimText(Edits.sUsername);
    sPassword = TrimText(Edits.sPassword);
}

bool TUpLoadSession::FormCloseQuery() {
    if (!FTPClient.Connected()) {
        return true;
    }
    if (!oUi.AskYesNo(CloseQuestion())) {
        return false;
    }
    Disconnect();
    return true;
}

QString TUpLoadSession::CloseQuestion() {
    return QStringLiteral("A transfer seems to be in progress\n"
                          "Closing this dialog will stop the transfer\n"
                          "Are you sure you want to close the dialog?");
}

void TUpLoadSession::Disconnect() {
    FTPClient.Disconnect();
    UpdateControls();
}

void TUpLoadSession::Abort() {
    bAborted = true;
    FTPClient.Abort();
}

void TUpLoadSession::ShowError(const QString& sMessage) {
    if (!bAborted) {
        oUi.ShowError(sMessage);
    }
}

void TUpLoadSession::ReportError(const QString& sMessage) {
    if (!bAborted) {
        oUi.ReportError(sMessage);
    }
}

void TUpLoadSession::UpdateControls() {
    TUpLoadControls controls;
    if (FTPClient.Connected()) {
        controls.sConnectCaption = QStringLiteral("Disconnect");
        controls.iConnectPicture = 1;
        controls.bConnectEnabled = !bBusy;
        controls.bEditsEnabled = false;
    } else {
        bUpLoadEnabled = false;
        controls.sConnectCaption = QStringLiteral("Connect");
        controls.iConnectPicture = 0;
        controls.bConnectEnabled = !bBusy && !TrimText(Edits.sSite).isEmpty() && !TrimText(Edits.sUsername).isEmpty() &&
                                   !TrimText(Edits.sPassword).isEmpty();
        controls.bEditsEnabled = true;
        oUi.ShowStatus(spDirectory, {});
    }
    controls.bUpLoadEnabled = bUpLoadEnabled && !bBusy;
    controls.bDoneEnabled = bDoneEnabled;
    CurrentControls = controls;
    oUi.UpdateControls(controls);
}

void TUpLoadSession::OnStatus(CFtpStatus status, const QString& sText) {
    if (status == fsTransfer) {
        return;
    }
    const QString sStatus = StatusText(status, sText);
    oUi.ShowStatus(spConnection, sStatus);
    oUi.Log(QStringLiteral("UpLoad : ") + sStatus);
    UpdateControls();
}

void TUpLoadSession::ShowProgress(qint64 iBytesSoFar) {
    if (iCurrentFile < 0) {
        return;
    }
    oUi.ShowProgress(iCurrentFile, TransferPercent(iBytesSoFar, iTransferSize));
}
