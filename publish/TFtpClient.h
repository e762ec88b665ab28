#pragma once

#include "FtpListing.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Kinds of status event; fsStatusText carries free text (the protocol
// exchange, with the password hidden, and the reasons of failures).
enum CFtpStatus {
    fsResolving,
    fsConnecting,
    fsConnected,
    fsDisconnecting,
    fsDisconnected,
    fsStatusText,
    fsReady,
    fsAborted,
    fsTransfer
};

struct TFtpOptions {
    // Explicit FTPS: TLS required on the control and data connections, the
    // server's certificate verified against sCaFile, or the system's
    // certificate authorities when that is empty.
    bool bUseTls = false;
    // A server on this computer may answer without TLS even when it is
    // required: the password does not travel over a network then. TLS is
    // still used when such a server offers it.
    bool bLoopbackMayBePlain = true;
    QString sCaFile;
    // Seconds; so that a dead server or network never blocks for long.
    int iConnectTimeout = 20;
    int iReplyTimeout = 60;
    int iStallTimeout = 60; // a transfer that moves no byte for this long fails
};

// An FTP client keeping one control connection across the operations of a
// session: connect with login, change and print the working directory, list
// the directory, store files, disconnect. Transfers are binary and use
// passive mode.
//
// Operations that can fail return false; ReplyCode and ReplyText then give the
// server's refusal (code 0 and libcurl's reason when the server sent none) and
// GetLastError a readable message. A failure that loses the connection leaves
// the client disconnected. Events are delivered while an operation runs; a
// handler may call Disconnect, which aborts the operation in progress.
// Apart from Abort, one thread at a time uses the client.
class TFtpClient {
public:
    TFtpClient();
    ~TFtpClient();
    TFtpClient(const TFtpClient&) = delete;
    TFtpClient& operator=(const TFtpClient&) = delete;

    // "name", "name:port" or "[IPv6 address]:port"; the port defaults to 21.
    void SetHost(const QString& sHost);
    void SetUsername(const QString& sUsername);
    void SetPassword(const QString& sPassword);
    void SetOptions(const TFtpOptions& options);

    bool Connect();
    bool Connected() const;
    // One CWD with the text as given (a path with "/" goes in one step).
    bool ChangeDir(const QString& sDir);
    bool RetrieveCurrentDir(QString& sDir);
    // LIST of the current directory: the text as sent and its parsed entries.
    bool List(QString& sRawListing, std::vector<TFtpListItem>& items);
    // Stores the local file under its own name in the current directory,
    // replacing a file of that name.
    bool Put(const QString& sLocalFile);
    void Disconnect();
    // May be called from any thread: the connection's sockets are shut down,
    // so the operation in progress stops at once (or the next one, when none
    // runs, stops before sending anything), and the client disconnects after
    // it. A Connect or Disconnect made afterwards clears the request.
    void Abort();

    int ReplyCode() const;
    QString ReplyText() const;
    QString GetLastError() const;
    // The last connect failed because the server does not offer the TLS that
    // the options require.
    bool TlsRefused() const;

    std::function<void(CFtpStatus, const QString&)> OnStatus;
    std::function<void(qint64 iExpectedBytes)> OnWorkBegin;
    std::function<void(qint64 iBytesSoFar)> OnWork;
    std::function<void()> OnWorkEnd;

private:
    class TImpl;
    std::unique_ptr<TImpl> oImpl;
};
