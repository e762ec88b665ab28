#include "TFtpClientImpl.h"

#include "FtpText.h"
#include "TextFile.h"

#include <QFileInfo>

#include <mutex>

namespace {

void InitialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

TFtpClient::TImpl::TImpl(TFtpClient& owner) : oOwner(owner) {
    InitialiseCurl();
}

// ---- operations -------------------------------------------------------------

bool TFtpClient::TImpl::Connect() {
    if (bBusy) {
        return Refuse(QStringLiteral("Another FTP operation is in progress"));
    }
    Disconnect();
    if (HasLineBreak(sUsername) || HasLineBreak(sPassword)) {
        return Refuse(QStringLiteral("Illegal character in the user name or password"));
    }
    const bool bLoggedIn = RunOperation([this] {
        if (!OpenHandle()) {
            return false;
        }
        Status(fsResolving);
        bConnecting = true;
        const bool bPerformed = Perform(rqConnect, {});
        bConnecting = false;
        bConnected = Finish(bPerformed) && pCurl;
        if (!bConnected) {
            CloseHandle();
            return false;
        }
        Status(fsConnected);
        return true;
    });
    return bLoggedIn && bConnected;
}

// Sends one command on the control connection; the command may fail (the
// leading "*" tells libcurl to carry on), its reply is judged here.
bool TFtpClient::TImpl::RunCommand(const QString& sCommand) {
    return RunOperation([&] {
        if (!RequireConnection() || !Finish(Perform(rqCommands, {}, {QLatin1Char('*') + sCommand}))) {
            return false;
        }
        if (iLastReplyCode >= 200 && iLastReplyCode < 300) {
            return true;
        }
        iReplyCode = iLastReplyCode;
        sReplyText = sLastReplyText;
        sLastError = QString::number(iReplyCode) + u' ' + sReplyText;
        Status(fsStatusText, sLastError);
        return false;
    });
}

bool TFtpClient::TImpl::List(QString& sRawListing, std::vector<TFtpListItem>& items) {
    sRawListing.clear();
    items.clear();
    return RunOperation([&] {
        if (!RequireConnection()) {
            return false;
        }
        const bool bListed = Finish(Perform(rqList, {}));
        if (bListed) {
            sRawListing = DecodeText(Download);
            items = ParseFtpListing(sRawListing);
        }
        Download.clear();
        return bListed;
    });
}

bool TFtpClient::TImpl::Put(const QString& sLocalFile) {
    return RunOperation([&] {
        if (!RequireConnection()) {
            return false;
        }
        const QString sName = QFileInfo(sLocalFile).fileName();
        if (sName.isEmpty() || HasLineBreak(sName)) {
            return Refuse(QStringLiteral("Illegal file name <") + sName + u'>');
        }
        QFile file(sLocalFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return Refuse(QStringLiteral("Cannot open file <") + sLocalFile + u'>');
        }
        pUpload = &file;
        iLastProgress = -1;
        if (oOwner.OnWorkBegin) {
            oOwner.OnWorkBegin(file.size());
        }
        curl_easy_setopt(pCurl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
        const bool bStored = Finish(Perform(rqStore, sName));
        pUpload = nullptr;
        if (bStored && oOwner.OnWorkEnd) {
            oOwner.OnWorkEnd();
        }
        return bStored;
    });
}

void TFtpClient::TImpl::Disconnect() {
    if (bBusy) {
        bAbortRequested = true; // takes effect when the running operation ends
        return;
    }
    bAbortRequested = false; // nothing runs that it could stop
    if (pCurl) {
        Status(fsDisconnecting);
        CloseHandle();
    }
}

// Event handlers run inside an operation. A Disconnect they ask for stops
// libcurl at its next callback and closes the connection once the operation
// is over; another operation is refused meanwhile.
bool TFtpClient::TImpl::RunOperation(const std::function<bool()>& operation) {
    if (bBusy) {
        return Refuse(QStringLiteral("Another FTP operation is in progress"));
    }
    bBusy = true;
    const bool bSucceeded = operation();
    bBusy = false;
    if (bAbortRequested) {
        bAbortRequested = false;
        Disconnect();
    }
    return bSucceeded;
}

// ---- TFtpClient -------------------------------------------------------------

TFtpClient::TFtpClient() : oImpl(std::make_unique<TImpl>(*this)) {}

TFtpClient::~TFtpClient() = default;

void TFtpClient::SetHost(const QString& sHost) {
    const TFtpSite site = SplitSite(sHost);
    oImpl->sHost = site.sHost;
    oImpl->iPort = site.iPort;
}

void TFtpClient::SetUsername(const QString& sUsername) {
    oImpl->sUsername = sUsername;
}

void TFtpClient::SetPassword(const QString& sPassword) {
    oImpl->sPassword = sPassword;
}

void TFtpClient::SetOptions(const TFtpOptions& options) {
    oImpl->options = options;
}

bool TFtpClient::Connect() {
    return oImpl->Connect();
}

bool TFtpClient::Connected() const {
    return oImpl->bConnected;
}

bool TFtpClient::ChangeDir(const QString& sDir) {
    if (HasLineBreak(sDir)) {
        return oImpl->Refuse(QStringLiteral("Illegal directory name <") + sDir + u'>');
    }
    return oImpl->RunCommand(QStringLiteral("CWD ") + sDir);
}

bool TFtpClient::RetrieveCurrentDir(QString& sDir) {
    sDir.clear();
    if (!oImpl->RunCommand(QStringLiteral("PWD"))) {
        return false;
    }
    const QString sReplyDir = ParseDirectoryReply(oImpl->LastReplyText());
    if (HasLineBreak(sReplyDir)) {
        return oImpl->Refuse(QStringLiteral("The server named a directory with a line break"));
    }
    sDir = sReplyDir;
    return true;
}

bool TFtpClient::List(QString& sRawListing, std::vector<TFtpListItem>& items) {
    return oImpl->List(sRawListing, items);
}

bool TFtpClient::Put(const QString& sLocalFile) {
    return oImpl->Put(sLocalFile);
}

void TFtpClient::Disconnect() {
    oImpl->Disconnect();
}

void TFtpClient::Abort() {
    oImpl->bAbortRequested = true;
    oImpl->ShutDownSockets();
}

bool TFtpClient::TlsRefused() const {
    return oImpl->bTlsRefused;
}

int TFtpClient::ReplyCode() const {
    return oImpl->iReplyCode;
}

QString TFtpClient::ReplyText() const {
    return oImpl->sReplyText;
}

QString TFtpClient::GetLastError() const {
    return oImpl->sLastError;
}
