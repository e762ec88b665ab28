#include "TPreviewServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QTcpSocket>
#include <QUuid>

namespace {

QByteArray ContentType(const QString& sPath) {
    const QString sSuffix = QFileInfo(sPath).suffix().toLower();
    if (sSuffix == QLatin1String("html") || sSuffix == QLatin1String("htm"))
        return "text/html; charset=utf-8";
    if (sSuffix == QLatin1String("js"))
        return "text/javascript; charset=utf-8";
    if (sSuffix == QLatin1String("css"))
        return "text/css; charset=utf-8";
    return QMimeDatabase().mimeTypeForFile(sPath, QMimeDatabase::MatchExtension).name().toLatin1();
}

QByteArray Response(const QByteArray& status, const QByteArray& type, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

TPreviewServer::TPreviewServer(QObject* parent) : QTcpServer(parent), sKey(QUuid::createUuid().toString(QUuid::Id128)) {
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
    listen(QHostAddress::LocalHost, 0);
}

QUrl TPreviewServer::Url(const QString& sSite, const QString& sFileName) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2/%3/%4").arg(serverPort()).arg(sKey, sSite, sFileName));
}

QString TPreviewServer::Resolve(const QString& sPath) const {
    const QString sPrefix = u'/' + sKey + u'/';
    if (!sPath.startsWith(sPrefix))
        return QString();
    const QString sRest = sPath.mid(sPrefix.size());
    const qsizetype iSlash = sRest.indexOf(u'/');
    const auto site = Sites.constFind(sRest.left(iSlash));
    const QString sName = QDir::cleanPath(sRest.mid(iSlash + 1));
    if (iSlash < 0 || site == Sites.constEnd() || sName.isEmpty() || sName == QLatin1String(".") ||
        sName == QLatin1String("..") || sName.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(sName))
        return QString();
    for (const QString& sFolder : *site) {
        // A project never saved has no folder; an empty one must not mean the working folder.
        if (sFolder.isEmpty())
            continue;
        const QString sFile = QDir(sFolder).filePath(sName);
        if (QFileInfo(sFile).isFile())
            return sFile;
    }
    return QString();
}

void TPreviewServer::Answer(QTcpSocket* socket) {
    // "GET /key/name HTTP/1.1": only the path matters; the rest is ignored.
    if (!socket->canReadLine() || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> request = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QString sFile =
        request.size() > 1 ? Resolve(QUrl(QString::fromUtf8(request[1])).path(QUrl::FullyDecoded)) : QString();
    QFile file(sFile);
    if (sFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        socket->write(Response("404 Not Found", "text/plain", "not found"));
    else
        socket->write(Response("200 OK", ContentType(sFile), file.readAll()));
    socket->disconnectFromHost();
}
