#include "FtpTestServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TFtpTestServer::~TFtpTestServer() {
    if (Process.state() != QProcess::NotRunning) {
        Process.kill();
        Process.waitForFinished(5000);
    }
}

bool TFtpTestServer::Start(const QStringList& extraArguments) {
    QStringList arguments = {QStringLiteral(BRISOLA_FTP_SERVER_SCRIPT),
                             QStringLiteral("--root"),
                             RootDir.path(),
                             QStringLiteral("--user"),
                             QString::fromLatin1(sUser),
                             QStringLiteral("--password"),
                             QString::fromLatin1(sPassword)};
    arguments += extraArguments;
    Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process.start(QStringLiteral(BRISOLA_FTP_PYTHON), arguments);
    const QDeadlineTimer deadline(20000);
    while (iPort == 0 && !deadline.hasExpired() && Process.state() != QProcess::NotRunning) {
        Process.waitForReadyRead(200);
        ReadOutput();
    }
    return iPort != 0;
}

bool TFtpTestServer::StartTls(const QStringList& extraArguments) {
    return Start(QStringList{QStringLiteral("--tls-dir"), TlsDir.path()} + extraArguments);
}

void TFtpTestServer::ReadOutput() {
    while (Process.canReadLine()) {
        const QString sLine = QString::fromUtf8(Process.readLine()).trimmed();
        if (sLine.startsWith(QStringLiteral("PORT "))) {
            iPort = sLine.mid(5).toInt();
        } else if (sLine.startsWith(QStringLiteral("CERT "))) {
            sCertificate = sLine.mid(5);
        } else if (sLine.startsWith(QStringLiteral("CMD "))) {
            Received.append(sLine.mid(4));
        } else if (sLine == QStringLiteral("CLOSED")) {
            ++iClosedSessions;
        }
    }
}

QStringList TFtpTestServer::Commands() {
    // The server prints each command before it answers it, so whatever a
    // client operation caused is printed by the time the operation returned.
    while (Process.waitForReadyRead(50)) {
    }
    ReadOutput();
    return Received;
}

bool TFtpTestServer::WaitForClosedSessions(int iCount, int iTimeoutMs) {
    const QDeadlineTimer deadline(iTimeoutMs);
    ReadOutput();
    while (iClosedSessions < iCount && !deadline.hasExpired()) {
        Process.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
        ReadOutput();
    }
    return iClosedSessions >= iCount;
}

int TFtpTestServer::CountCommands(const QString& sVerb) {
    const QStringList commands = Commands();
    return int(std::count_if(commands.begin(), commands.end(),
                             [&](const QString& sCommand) { return sCommand.section(u' ', 0, 0) == sVerb; }));
}

void TFtpTestServer::WriteFile(const QString& sRelativePath, const QByteArray& content) {
    const QString sPath = QDir(RootDir.path()).filePath(sRelativePath);
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
}

QByteArray TFtpTestServer::ReadFile(const QString& sRelativePath) const {
    QFile file(QDir(RootDir.path()).filePath(sRelativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TFtpTestServer::MakeDir(const QString& sRelativePath) {
    QDir(RootDir.path()).mkpath(sRelativePath);
}

QString TLocalFiles::Write(const QString& sName, const QByteArray& content) {
    QFile file(Dir.filePath(sName));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
    return file.fileName();
}
