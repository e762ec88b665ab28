#include "TFtpClientImpl.h"

#include "FtpText.h"
#include "TextFile.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qsizetype iMaxListingBytes = 64 * 1024 * 1024;
const QString sHiddenPassword = QStringLiteral("********");

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

long TFtpClient::TImpl::TlsUse() const {
    if (!options.bUseTls) {
        return CURLUSESSL_NONE;
    }
    return options.bLoopbackMayBePlain && IsLoopbackHost(sHost) ? CURLUSESSL_TRY : CURLUSESSL_ALL;
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
    curl_easy_setopt(pCurl, CURLOPT_USE_SSL, TlsUse());
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
    curl_easy_setopt(pCurl, CURLOPT_CLOSESOCKETFUNCTION, &CloseSocketCallback);
    curl_easy_setopt(pCurl, CURLOPT_CLOSESOCKETDATA, this);
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

bool TFtpClient::TImpl::Perform(CFtpRequest request, const QString& sPath, const QStringList& commands) {
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
    const curl_socket_t iSocket = socket(pAddress->family, pAddress->socktype | SOCK_CLOEXEC, pAddress->protocol);
    if (iSocket != CURL_SOCKET_BAD) {
        const std::lock_guard lock(pImpl->SocketsMutex);
        pImpl->OpenSockets.push_back(iSocket);
    }
    return iSocket;
}

int TFtpClient::TImpl::CloseSocketCallback(void* pUser, curl_socket_t iSocket) {
    auto* pImpl = static_cast<TImpl*>(pUser);
    {
        const std::lock_guard lock(pImpl->SocketsMutex);
        std::erase(pImpl->OpenSockets, iSocket);
    }
    return close(iSocket);
}

// Called from another thread: shutting the sockets down wakes libcurl at once
// from waiting on them, so the operation in progress ends without delay.
void TFtpClient::TImpl::ShutDownSockets() {
    const std::lock_guard lock(SocketsMutex);
    for (const curl_socket_t iSocket : OpenSockets) {
        shutdown(iSocket, SHUT_RDWR);
    }
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
