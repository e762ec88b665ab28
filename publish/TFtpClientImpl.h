#pragma once

// The inside of TFtpClient: one libcurl handle kept across the operations.
// TFtpClient.cpp holds the operations, TFtpCurlHandle.cpp the handle, its
// requests and the libcurl callbacks.

#include "FtpText.h"
#include "TFtpClient.h"

#include <QFile>
#include <QStringList>

#include <curl/curl.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

enum CFtpRequest { rqConnect, rqCommands, rqList, rqStore };

class TFtpClient::TImpl {
public:
    explicit TImpl(TFtpClient& owner);
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
    // Set by a Disconnect from an event handler or by Abort from any thread;
    // libcurl's callbacks read it while an operation runs.
    std::atomic<bool> bAbortRequested = false;
    bool bTlsRefused = false; // the last request failed: the server offers no TLS

    bool Connect();
    bool RunCommand(const QString& sCommand);
    bool List(QString& sRawListing, std::vector<TFtpListItem>& items);
    bool Put(const QString& sLocalFile);
    void Disconnect();

    // Ends the connection's sockets under libcurl (from any thread) for Abort.
    void ShutDownSockets();

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
    std::mutex SocketsMutex; // guards OpenSockets, which Abort reads from another thread
    std::vector<curl_socket_t> OpenSockets;

    bool RunOperation(const std::function<bool()>& operation);
    bool RequireConnection();
    bool OpenHandle();
    long TlsUse() const; // libcurl's level of TLS for the options and the host
    void CloseHandle();
    bool ControlConnectionAlive() const;
    bool Perform(CFtpRequest request, const QString& sPath, const QStringList& commands = {});
    bool Finish(bool bSucceeded);
    void Status(CFtpStatus status, const QString& sText = {});
    QString CurlMessage(CURLcode code) const;
    std::optional<QByteArray> BuildUrl(const QString& sPath) const;

    void OnReplyLine(const QByteArray& line);
    void OnTrace(curl_infotype type, const QByteArray& data);

    static size_t HeaderCallback(char* pData, size_t iSize, size_t iCount, void* pUser);
    static int DebugCallback(CURL*, curl_infotype type, char* pData, size_t iSize, void* pUser);
    static curl_socket_t OpenSocketCallback(void* pUser, curlsocktype purpose, curl_sockaddr* pAddress);
    static int CloseSocketCallback(void* pUser, curl_socket_t iSocket);
    static int ProgressCallback(void* pUser, curl_off_t, curl_off_t, curl_off_t, curl_off_t iSent);
    static size_t ReadCallback(char* pBuffer, size_t iSize, size_t iCount, void* pUser);
    static size_t WriteCallback(char* pData, size_t iSize, size_t iCount, void* pUser);
};
