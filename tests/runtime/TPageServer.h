#pragma once

#include <QString>
#include <QTcpServer>
#include <QUrl>

// A minimal HTTP server on 127.0.0.1 (random port) that serves the files of
// one folder to the test browser, so pages run from a web origin: cookies,
// which browsers refuse for local files, then work as on a real site.
class TPageServer : public QTcpServer {
public:
    explicit TPageServer(const QString& sRootFolder);

    // The address of a file of the folder (name relative to the folder).
    QUrl Url(const QString& sFileName) const;
    // A header line ("Name: value") sent with every file from now on.
    void AddHeader(const QByteArray& line) { headers += line + "\r\n"; }

private:
    void ServeRequest(QTcpSocket* oSocket);
    QString sRoot;
    QByteArray headers;
};
