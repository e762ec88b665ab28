#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

// Serves the preview's pages to the embedded browser over HTTP on 127.0.0.1,
// so that they have a web origin as on a real site. Each site is a list of
// folders; a request names a site and a file relative to its folders, and the
// first folder holding the file answers, so the preview's own generated files
// stand in front of the project folder while the project's pictures and
// other files are read where they lie. Only addresses under a random key of
// this run are served, and nothing outside the folders.
class TPreviewServer : public QTcpServer {
    Q_OBJECT
public:
    explicit TPreviewServer(QObject* parent = nullptr);

    // The folders searched for a file of the site, in order.
    void SetSite(const QString& sSite, const QStringList& folders) { Sites[sSite] = folders; }
    // The address of a file of the site (relative name, '/' between folders).
    QUrl Url(const QString& sSite, const QString& sFileName) const;

private:
    void Answer(QTcpSocket* socket);
    // The file that the request path names, or empty.
    QString Resolve(const QString& sPath) const;

    QHash<QString, QStringList> Sites;
    QString sKey;
};
