#include "TFtpClient.h"

#include "FtpText.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <curl/curl.h>
#include <poll.h>
#include <sys/socket.h>

#include <mutex>
#include <optional>

namespace {

enum CRequest { rqConnect, rqCommands, rqList, rqStore };

constexpr qsizetype iMaxListingBytes = 64 * 1024 * 1024;
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

class TFtpClient::TImpl {
public:
    explicit TImpl(TFtpClient& owner) : oOwner(owner) { InitialiseCurl(); }
    ~TImpl() {
        bSilent = true; // the owner's handlers may no longer be valid
        CloseHandle();
    }

    TFtpClient& oOwner;
    QString sHost;
    int iPort = iDefaultFtpPort;
    QString sUsername;
    QString sPassword;
    TFtpOptions options;

    int iReplyCode = 0;
    QString sReplyText;
    QString sLastError;

    bool bConnected = false;
    bool bBusy = false; // an operation runs; event handlers are called from it
    bool bAbortRequested = false;

    bool Connect();
    bool RunCommand(const QString& sCommand);
    bool List(QString& sRawListing, std::vector<TFtpListItem>& items);
    bool Put(const QString& sLocalFile);
    void Disconnect();

    bool Refuse(const QString& sMessage);
    QString Redact(QString sText) const;
    QString LastReplyText() const { return sLastReplyText; }

private:
    CURL* pCurl = nullptr;
    bool bSilent = false;
    bool bConnecting = false;
    bool bReconnectRefused = false;
    int iRepliesSeen = 0;
    int iLastReplyCode = 0;
    QString sLastReplyText;
    QByteArray Download;
    QFile* pUpload = nullptr;
    qint64 iLastProgress = -1;
    char aErrorBuffer[CURL_ERROR_SIZE] = {};

    bool RunOperation(const std::function<bool()>& operation);
    bool RequireConnection();
    bool OpenHandle();
    void CloseHandle();
    bool ControlConnectionAlive() const;
    bool Perform(CRequest request, const QString& sPath, const QStringList& commands = {});
    bool Finish(bool bSucceeded);
    void Status(CFtpStatus status, const QString& sText = {});
    QString CurlMessage(CURLcode code) const;
    std::optional<QByteArray> BuildUrl(const QString& sPath) const;

    void OnReplyLine(const QByteArray& line);
    void OnTrace(curl_infotype type, const QByteArray& data);

    static size_t HeaderCallback(char* pData, size_t iSize, size_t iCount, void* pUser);
    static int DebugCallback(CURL*, curl_infotype type, char* pData, size_t iSize, void* pUser);
    static curl_socket_t OpenSocketCallback(void* pUser, curlsocktype purpose, curl_sockaddr* pAddress);
    static int ProgressCallback(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t iSent);
    static size_t ReadCallback(char* pBuffer, size_t iSize, size_t iCount, void* pUser);
    static size_t WriteCallback(char* pData, size_t iSize, size_t iCount, void* pUser);
};

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

bool TFtpClient::TImpl::OpenHandle() {
    pCurl = curl_easy_init();
    if (!pCurl) {
        return Refuse(QStringLiteral("The FTP client could not be started"));
    }
    curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(pCurl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(pCurl, CURLOPT_ERRORBUFFER, aErrorBuffer);
    curl_easy_setopt(pCurl, CURLOPT_USERNAME, sUsername.toUtf8().constData());
    curl_easy_setopt(pCurl, CURLOPT_PASSWORD, sPassword.toUtf8().constData());
    // The working directory belongs to the connection and changes only
    // through our own CWD commands; file names go to the server as they are.
    curl_easy_setopt(pCurl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    // Passive mode, ignoring the address in a PASV reply (the control
    // connection's address is used), binary transfers.
    curl_easy_setopt(pCurl, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(pCurl, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    curl_easy_setopt(pCurl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, long(options.iConnectTimeout));
    curl_easy_setopt(pCurl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(options.iReplyTimeout));
    curl_easy_setopt(pCurl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(pCurl, CURLOPT_LOW_SPEED_TIME, long(options.iStallTimeout));
    curl_easy_setopt(pCurl, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(pCurl, CURLOPT_USE_SSL, long(options.bUseTls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    curl_easy_setopt(pCurl, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    curl_easy_setopt(pCurl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(pCurl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.sCaFile.isEmpty()) {
        curl_easy_setopt(pCurl, CURLOPT_CAINFO, QFile::encodeName(options.sCaFile).constData());
    }
    curl_easy_setopt(pCurl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(pCurl, CURLOPT_DEBUGFUNCTION, &DebugCallback);
    curl_easy_setopt(pCurl, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(pCurl, CURLOPT_HEADERFUNCTION, &HeaderCallback);
    curl_easy_setopt(pCurl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(pCurl, CURLOPT_OPENSOCKETFUNCTION, &OpenSocketCallback);
    curl_easy_setopt(pCurl, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(pCurl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(pCurl, CURLOPT_XFERINFOFUNCTION, &ProgressCallback);
    curl_easy_setopt(pCurl, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(pCurl, CURLOPT_READFUNCTION, &ReadCallback);
    curl_easy_setopt(pCurl, CURLOPT_READDATA, this);
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, &WriteCallback);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, this);
    return true;
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
    if (bAbortRequested) {
        return false; // an event handler disconnected before anything was sent
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

// ---- libcurl callbacks ------------------------------------------------------

void TFtpClient::TImpl::OnReplyLine(const QByteArray& line) {
    ++iRepliesSeen;
    QString sLine = QString::fromUtf8(line);
    while (sLine.endsWith(u'\n') || sLine.endsWith(u'\r')) {
        sLine.chop(1);
    }
    const bool bFinalLine = sLine.size() >= 3 && sLine.at(0).isDigit() && sLine.at(1).isDigit() &&
                            sLine.at(2).isDigit() && (sLine.size() == 3 || sLine.at(3) == u' ');
    if (bFinalLine) {
        iLastReplyCode = sLine.left(3).toInt();
        sLastReplyText = sLine.mid(4);
    }
}

void TFtpClient::TImpl::OnTrace(curl_infotype type, const QByteArray& data) {
    if (type != CURLINFO_HEADER_IN && type != CURLINFO_HEADER_OUT) {
        return;
    }
    for (const QByteArray& line : data.split('\n')) {
        const QString sLine = QString::fromUtf8(line).trimmed();
        if (!sLine.isEmpty()) {
            Status(fsStatusText, sLine);
        }
    }
}

size_t TFtpClient::TImpl::HeaderCallback(char* pData, size_t iSize, size_t iCount, void* pUser) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    pImpl->OnReplyLine(QByteArray(pData, qsizetype(iSize * iCount)));
    return pImpl->bAbortRequested ? 0 : iSize * iCount;
}

int TFtpClient::TImpl::DebugCallback(CURL*, curl_infotype type, char* pData, size_t iSize, void* pUser) {
    static_cast<TImpl*>(pUser)->OnTrace(type, QByteArray(pData, qsizetype(iSize)));
    return 0;
}

// New sockets are opened for the control connection while connecting and for
// data connections after the server has answered on the control connection.
// A socket asked for before any answer in a later operation means libcurl
// found the control connection gone and would silently log in again in the
// starting directory; that is refused, so the loss is reported instead.
curl_socket_t TFtpClient::TImpl::OpenSocketCallback(void* pUser, curlsocktype purpose, curl_sockaddr* pAddress) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    if (purpose == CURLSOCKTYPE_IPCXN && !pImpl->bConnecting && pImpl->iRepliesSeen == 0) {
        pImpl->bReconnectRefused = true;
        return CURL_SOCKET_BAD;
    }
    if (pImpl->bConnecting && pImpl->iRepliesSeen == 0) {
        pImpl->Status(fsConnecting);
    }
    return socket(pAddress->family, pAddress->socktype | SOCK_CLOEXEC, pAddress->protocol);
}

int TFtpClient::TImpl::ProgressCallback(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t iSent) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    if (pImpl->pUpload && iSent != pImpl->iLastProgress) {
        pImpl->iLastProgress = iSent;
        if (pImpl->oOwner.OnWork) {
            pImpl->oOwner.OnWork(qint64(iSent));
        }
    }
    return pImpl->bAbortRequested ? 1 : 0;
}

size_t TFtpClient::TImpl::ReadCallback(char* pBuffer, size_t iSize, size_t iCount, void* pUser) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    if (pImpl->bAbortRequested || !pImpl->pUpload) {
        return CURL_READFUNC_ABORT;
    }
    const qint64 iRead = pImpl->pUpload->read(pBuffer, qint64(iSize * iCount));
    return iRead < 0 ? CURL_READFUNC_ABORT : size_t(iRead);
}

size_t TFtpClient::TImpl::WriteCallback(char* pData, size_t iSize, size_t iCount, void* pUser) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    const qsizetype iBytes = qsizetype(iSize * iCount);
    if (pImpl->bAbortRequested || pImpl->Download.size() + iBytes > iMaxListingBytes) {
        return 0;
    }
    pImpl->Download.append(pData, iBytes);
    return size_t(iBytes);
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

int TFtpClient::ReplyCode() const {
    return oImpl->iReplyCode;
}

QString TFtpClient::ReplyText() const {
    return oImpl->sReplyText;
}

QString TFtpClient::GetLastError() const {
    return oImpl->sLastError;
}
