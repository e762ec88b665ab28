#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "TestSupport.h"

// A pyftpdlib server on 127.0.0.1 with a temporary root, for one test.
class TFtpTestServer {
public:
    static constexpr const char* sUser = "designer";
    static constexpr const char* sPassword = "s3cret-Pa55";

    TFtpTestServer() = default;
    ~TFtpTestServer();
    TFtpTestServer(const TFtpTestServer&) = delete;
    TFtpTestServer& operator=(const TFtpTestServer&) = delete;

    // Starts the server with the script's extra options; false when it did
    // not report its port in time.
    bool Start(const QStringList& extraArguments = {});
    // Starts an explicit FTPS server with a certificate made for the test.
    bool StartTls(const QStringList& extraArguments = {});

    int Port() const { return iPort; }
    QString Site() const { return QStringLiteral("127.0.0.1:") + QString::number(iPort); }
    QString Root() const { return RootDir.path(); }
    QString CertificateFile() const { return sCertificate; }

    // The commands the server received so far, as "VERB SECURE" (SECURE 1
    // when the control connection was encrypted).
    QStringList Commands();
    int CountCommands(const QString& sVerb);
    // Waits until the server has closed that many sessions; false at the timeout.
    bool WaitForClosedSessions(int iCount, int iTimeoutMs = 10000);

    // Writes a file below the root (folders made as needed).
    void WriteFile(const QString& sRelativePath, const QByteArray& content);
    QByteArray ReadFile(const QString& sRelativePath) const;
    void MakeDir(const QString& sRelativePath);

private:
    QTemporaryDir RootDir;
    QTemporaryDir TlsDir;
    QProcess Process;
    QStringList Received;
    int iClosedSessions = 0;
    int iPort = 0;
    QString sCertificate;

    void ReadOutput();
};

// A local folder of files to upload.
class TLocalFiles {
public:
    QString Write(const QString& sName, const QByteArray& content);
    QString Path(const QString& sName) const { return Dir.filePath(sName); }

private:
    QTemporaryDir Dir;
};
