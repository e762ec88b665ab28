#include "TFtpClientImpl.h"

#include "FtpText.h"
#include "TextFile.h"

#include <QFileInfo>
#include <QStringList>

#include <poll.h>

#include <mutex>

namespace {

const QString sHiddenPassword = QStringLiteral("********");

void InitialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Owns a libcurl string list.
class TCommandList {
public:
    explicit TCommandList(const QStringList& commands) {
        for (const QString& sCommand : commands) {
            pList = curl_slist_append(pList, sCommand.toUtf8().constData());
        }
    }
    ~TCommandList() { curl_slist_free_all(pList); }
    TCommandList(const TCommandList&) = delete;
    TCommandList& operator=(const TCommandList&) = delete;
    curl_slist* Get() const { return pList; }

private:
    curl_slist* pList = nullptr;
};

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

// ---- state ------------------------------------------------------------------

bool TFtpClient::TImpl::Refuse(const QString& sMessage) {
    iReplyCode = 0;
    sReplyText = sMessage;
    sLastError = sMessage;
    Status(fsStatusText, sMessage);
    return false;
}

bool TFtpClient::TImpl::RequireConnection() {
    return bConnected || Refuse(QStringLiteral("Not connected"));
}

// Ends the session; libcurl says goodbye (QUIT) on a connection still usable.
void TFtpClient::TImpl::CloseHandle() {
    if (!pCurl) {
        return;
    }
    CURL* pClosing = pCurl;
    pCurl = nullptr;
    bConnected = false;
    curl_easy_cleanup(pClosing);
    Status(fsDisconnected);
}

// Between operations the control connection must be quiet: a readable socket
// means the server closed it or sent an unasked reply (a timeout notice), so
// libcurl would not use it again either.
bool TFtpClient::TImpl::ControlConnectionAlive() const {
    curl_socket_t iSocket = CURL_SOCKET_BAD;
    if (!pCurl || curl_easy_getinfo(pCurl, CURLINFO_ACTIVESOCKET, &iSocket) != CURLE_OK || iSocket == CURL_SOCKET_BAD) {
        return false;
    }
    pollfd poller{iSocket, POLLIN, 0};
    return poll(&poller, 1, 0) == 0;
}

std::optional<QByteArray> TFtpClient::TImpl::BuildUrl(const QString& sPath) const {
    if (!IsValidHostName(sHost) || iPort <= 0) {
        return std::nullopt;
    }
    CURLU* pUrl = curl_url();
    char* pText = nullptr;
    const bool bBuilt =
        pUrl && curl_url_set(pUrl, CURLUPART_SCHEME, "ftp", 0) == CURLUE_OK &&
        curl_url_set(pUrl, CURLUPART_HOST, sHost.toUtf8().constData(), 0) == CURLUE_OK &&
        curl_url_set(pUrl, CURLUPART_PORT, QByteArray::number(iPort).constData(), 0) == CURLUE_OK &&
        curl_url_set(pUrl, CURLUPART_PATH, ('/' + sPath).toUtf8().constData(), CURLU_URLENCODE) == CURLUE_OK &&
        curl_url_get(pUrl, CURLUPART_URL, &pText, 0) == CURLUE_OK;
    std::optional<QByteArray> url;
    if (bBuilt) {
        url = QByteArray(pText);
    }
    curl_free(pText);
    curl_url_cleanup(pUrl);
    return url;
}

bool TFtpClient::TImpl::Perform(CRequest request, const QString& sPath, const QStringList& commands) {
    iReplyCode = 0;
    sReplyText.clear();
    sLastError.clear();
    iRepliesSeen = 0;
    bReconnectRefused = false;
    iLastReplyCode = 0;
    sLastReplyText.clear();
    Download.clear();
    aErrorBuffer[0] = '\0';
    bTlsRefused = false;
    if (bAbortRequested) {
        return false; // a disconnect or abort came before anything was sent
    }
    const std::optional<QByteArray> url = BuildUrl(sPath);
    if (!url) {
        return Refuse(QStringLiteral("Invalid FTP site <") + sHost + u'>');
    }
    const TCommandList commandList(commands);
    curl_easy_setopt(pCurl, CURLOPT_URL, url->constData());
    curl_easy_setopt(pCurl, CURLOPT_QUOTE, commandList.Get());
    // NOBODY before UPLOAD: each of them resets the request method.
    curl_easy_setopt(pCurl, CURLOPT_NOBODY, long(request == rqConnect || request == rqCommands));
    curl_easy_setopt(pCurl, CURLOPT_UPLOAD, long(request == rqStore));
    const CURLcode code = curl_easy_perform(pCurl);
    curl_easy_setopt(pCurl, CURLOPT_QUOTE, nullptr);
    if (code == CURLE_OK) {
        return true;
    }
    bTlsRefused = code == CURLE_USE_SSL_FAILED;
    sLastError = bReconnectRefused ? QStringLiteral("The server closed the connection") : CurlMessage(code);
    if (iLastReplyCode >= 400) {
        iReplyCode = iLastReplyCode;
        sReplyText = sLastReplyText;
    } else {
        sReplyText = sLastError;
    }
    return false;
}

// After libcurl returns: a transfer stopped by an event handler is reported as
// aborted (RunOperation then disconnects), and a lost control connection
// disconnects.
bool TFtpClient::TImpl::Finish(bool bSucceeded) {
    if (bAbortRequested) {
        if (!bSucceeded) {
            Refuse(QStringLiteral("Aborted"));
            Status(fsAborted);
        }
        return bSucceeded;
    }
    if (!bSucceeded) {
        Status(fsStatusText, sLastError);
    }
    if (!ControlConnectionAlive()) {
        if (!bSucceeded && bConnected) {
            sLastError = QStringLiteral("Connection lost: ") + sLastError;
            if (iReplyCode == 0) {
                sReplyText = sLastError;
            }
        }
        CloseHandle();
        return bSucceeded;
    }
    if (bSucceeded) {
        Status(fsReady);
    }
    return bSucceeded;
}

void TFtpClient::TImpl::Status(CFtpStatus status, const QString& sText) {
    if (!bSilent && oOwner.OnStatus) {
        oOwner.OnStatus(status, Redact(sText));
    }
}

QString TFtpClient::TImpl::CurlMessage(CURLcode code) const {
    return Redact(QString::fromUtf8(aErrorBuffer[0] ? aErrorBuffer : curl_easy_strerror(code)));
}

// Texts leaving the client never show the password: the PASS command is
// masked, and so is the password wherever else it might appear.
QString TFtpClient::TImpl::Redact(QString sText) const {
    if (sText.startsWith(QStringLiteral("PASS "), Qt::CaseInsensitive)) {
        sText = QStringLiteral("PASS ") + sHiddenPassword;
    }
    if (!sPassword.isEmpty()) {
        sText.replace(sPassword, sHiddenPassword);
    }
    return sText;
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
