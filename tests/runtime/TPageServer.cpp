#include "TPageServer.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>

namespace {

QByteArray ContentType(const QString& sPath) {
    if (sPath.endsWith(".js")) {
        return "text/javascript; charset=utf-8";
    }
    if (sPath.endsWith(".css")) {
        return "text/css";
    }
    if (sPath.endsWith(".png")) {
        return "image/png";
    }
    if (sPath.endsWith(".gif")) {
        return "image/gif";
    }
    return "text/html; charset=utf-8";
}

QByteArray Response(const QByteArray& status, const QByteArray& type, const QByteArray& body,
                    const QByteArray& headers = {}) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

} // namespace

TPageServer::TPageServer(const QString& sRootFolder) : sRoot(sRootFolder) {
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* oSocket = nextPendingConnection()) {
            connect(oSocket, &QTcpSocket::disconnected, oSocket, &QObject::deleteLater);
            connect(oSocket, &QTcpSocket::readyRead, this, [this, oSocket] { ServeRequest(oSocket); });
        }
    });
    listen(QHostAddress::LocalHost, 0);
}

QUrl TPageServer::Url(const QString& sFileName) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2").arg(serverPort()).arg(sFileName));
}

void TPageServer::ServeRequest(QTcpSocket* oSocket) {
    if (!oSocket->canReadLine()) {
        return;
    }
    // "GET /path HTTP/1.1": only the path matters; the rest of the request is ignored.
    const QList<QByteArray> requestLine = oSocket->readLine().trimmed().split(' ');
    oSocket->readAll();
    const QString sName = requestLine.size() > 1 ? QUrl(QString::fromUtf8(requestLine[1])).path() : QString();
    const QString sPath = QDir::cleanPath(sRoot + QLatin1Char('/') + sName);
    QFile file(sPath);
    if (!sPath.startsWith(QDir::cleanPath(sRoot)) || !file.open(QIODevice::ReadOnly)) {
        oSocket->write(Response("404 Not Found", "text/plain", "not found"));
    } else {
        oSocket->write(Response("200 OK", ContentType(sPath), file.readAll(), headers));
    }
    oSocket->disconnectFromHost();
}
