#include "LoopWait.h"
#include "PreviewScripts.h"
#include "TPreviewBrowser.h"
#include "TPreviewServer.h"
#include "TextFile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

constexpr int iFollowing = 4; // Node.DOCUMENT_POSITION_FOLLOWING

// The browser alone, on pages of the test's own served from a temporary folder.
class PreviewBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("host.html")),
                                   {QStringLiteral("<html><body><p id=\"own\">own</p></body></html>")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("a.js")), {QStringLiteral("order.push('a');")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("b.js")),
                                   {QStringLiteral("order.push('b after ' + typeof second);")}));
        Server.SetSite(QStringLiteral("s"), {Dir.path()});
        Window.resize(400, 300);
        Window.show();
    }
    // Shows the host page with the HTML inserted; the outcome of Shown.
    bool Show(const QString& sHtml, const QUrl& page = QUrl()) {
        QSignalSpy shown(&Browser, &TPreviewBrowser::Shown);
        Browser.Show(page.isEmpty() ? Server.Url(QStringLiteral("s"), QStringLiteral("host.html")) : page, sHtml);
        return shown.wait(30000) && shown.first().first().toBool();
    }
    QTemporaryDir Dir;
    QWidget Window;
    TPreviewServer Server;
    TPreviewBrowser Browser{&Window};
};

TEST_F(PreviewBrowserTest, InsertedScriptsRunInDocumentOrderBeforeThePageContent) {
    ASSERT_TRUE(Show(QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"UTF-8\" /></head><body><div id=\"inserted\">&nbsp</div>"
        "<script type=\"text/javascript\" defer>var order=['first'];</script>"
        "<script type=\"text/javascript\" src=\"a.js\" defer></script>"
        "<script>var second=1;order.push('second');</script>"
        "<script src=\"b.js\"></script><script src=\"missing.js\"></script><script>order.push('last');</script>")));
    EXPECT_FALSE(Browser.IsBusy());
    ASSERT_TRUE(WaitForScript(Browser, QStringLiteral("typeof order=='object' && order.length==5")));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("order.join(',')")),
              QStringLiteral("first,a,second,b after number,last"));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('inserted').parentNode==document.body && "
                                                "document.getElementById('inserted').compareDocumentPosition("
                                                "document.getElementById('own')) & Node.DOCUMENT_POSITION_FOLLOWING"))
                  .toInt(),
              iFollowing);
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('own').previousElementSibling.tagName")),
              QStringLiteral("SCRIPT"));
}

TEST_F(PreviewBrowserTest, APreviewPageKeepsCookiesForItsLifetime) {
    ASSERT_TRUE(Show(QString()));
    EXPECT_EQ(
        RunScript(Browser, QStringLiteral("document.cookie='a=1; path=/';"
                                          "document.cookie='b=x%20y;expires='+new Date(Date.now()+60000).toUTCString()"
                                          "+'; path=/';document.cookie='a=2; path=/';"
                                          "document.cookie='gone=1;expires='+new Date(Date.now()-1000).toUTCString();"
                                          "document.cookie")),
        QStringLiteral("a=2; b=x%20y"));
    ASSERT_TRUE(Show(QString(), Server.Url(QStringLiteral("s"), QStringLiteral("host.html?again"))));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.cookie")), QString()) << "each preview starts afresh";
}

TEST_F(PreviewBrowserTest, APageThatCannotBeLoadedIsReportedAndALaterOneReplacesAnEarlier) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QUrl unreachable(QStringLiteral("http://127.0.0.1:%1/x.html").arg(closed.serverPort()));
    closed.close();
    EXPECT_FALSE(Show(QString(), unreachable));
    EXPECT_FALSE(Browser.GetLastError().isEmpty());

    QSignalSpy shown(&Browser, &TPreviewBrowser::Shown);
    Browser.Show(unreachable, QString());
    Browser.Show(Server.Url(QStringLiteral("s"), QStringLiteral("host.html")), QStringLiteral("<i id='late'></i>"));
    ASSERT_TRUE(shown.wait(30000));
    LetTimePass(300);
    ASSERT_EQ(shown.count(), 1) << "only the latest is reported";
    EXPECT_TRUE(shown.first().first().toBool());
    EXPECT_EQ(RunScript(Browser, QStringLiteral("!!document.getElementById('late')")), QStringLiteral("true"));
}

// The server answers a raw request line.
QByteArray Fetch(quint16 iPort, const QByteArray& path) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, iPort);
    socket.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    const bool bClosed = WaitUntil(
        [&] {
            reply += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        10000);
    reply += socket.readAll();
    if (!bClosed)
        return "no answer";
    return reply.mid(reply.indexOf("\r\n\r\n") + 4);
}

TEST(PreviewServerTest, FilesComeFromTheFirstFolderHoldingThemAndFromNowhereElse) {
    QTemporaryDir own, project;
    ASSERT_TRUE(QDir(project.path()).mkpath(QStringLiteral("pics")));
    ASSERT_TRUE(WriteTextLines(own.filePath(QStringLiteral("page.js")), {QStringLiteral("own")}));
    ASSERT_TRUE(WriteTextLines(project.filePath(QStringLiteral("page.js")), {QStringLiteral("project")}));
    ASSERT_TRUE(WriteTextLines(project.filePath(QStringLiteral("pics/a b.gif")), {QStringLiteral("picture")}));
    ASSERT_TRUE(WriteTextLines(project.filePath(QStringLiteral("../secret.txt")), {QStringLiteral("secret")}));
    TPreviewServer server;
    server.SetSite(QStringLiteral("s"), {own.path(), QString(), project.path()});
    const QByteArray site = server.Url(QStringLiteral("s"), QString()).path(QUrl::FullyEncoded).toUtf8();
    const QByteArray key = site.left(site.size() - 2);
    const struct {
        QByteArray path;
        QByteArray body;
    } cases[] = {
        {site + "page.js", "own\r\n"},
        {site + "pics/a%20b.gif", "picture\r\n"},
        {site + "../secret.txt", "not found"},
        {site + "pics/../../secret.txt", "not found"},
        {site + "%2e%2e/secret.txt", "not found"},
        {key + "t/page.js", "not found"},
        {"/wrongkey/s/page.js", "not found"},
        {site + "missing.js", "not found"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fetch(server.serverPort(), c.path), c.body) << c.path.toStdString();
    QFile::remove(project.filePath(QStringLiteral("../secret.txt")));
}

} // namespace
