#include "FtpTestServer.h"
#include "TFtpClient.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <iostream>

namespace {

// A client for the test server that records every event.
struct TRecordingClient {
    TFtpClient Client;
    std::vector<std::pair<CFtpStatus, QString>> Statuses;
    std::vector<QString> WorkEvents; // "begin N", "work N", "end"

    explicit TRecordingClient(const QString& sSite, const QString& sPassword = TFtpTestServer::sPassword,
                              const TFtpOptions& options = FastOptions()) {
        Client.SetHost(sSite);
        Client.SetUsername(TFtpTestServer::sUser);
        Client.SetPassword(sPassword);
        Client.SetOptions(options);
        Client.OnStatus = [this](CFtpStatus status, const QString& sText) { Statuses.emplace_back(status, sText); };
        Client.OnWorkBegin = [this](qint64 iSize) { WorkEvents.push_back("begin " + QString::number(iSize)); };
        Client.OnWork = [this](qint64 iDone) { WorkEvents.push_back("work " + QString::number(iDone)); };
        Client.OnWorkEnd = [this] { WorkEvents.push_back("end"); };
    }

    ~TRecordingClient() {
        if (qEnvironmentVariableIsSet("BRISOLA_FTP_TRACE")) {
            for (const QString& sText : Texts()) {
                std::cerr << "  trace: " << sText.toStdString() << '\n';
            }
        }
    }

    static TFtpOptions FastOptions() {
        TFtpOptions options;
        options.iConnectTimeout = 5;
        options.iReplyTimeout = 2;
        options.iStallTimeout = 2;
        return options;
    }

    bool HasStatus(CFtpStatus status) const {
        return std::any_of(Statuses.begin(), Statuses.end(), [&](const auto& entry) { return entry.first == status; });
    }
    QStringList Texts() const {
        QStringList texts;
        for (const auto& [status, sText] : Statuses) {
            texts.append(sText);
        }
        return texts;
    }
};

QByteArray BinaryContent(int iSize) {
    QByteArray content(iSize, Qt::Uninitialized);
    for (int i = 0; i < iSize; ++i) {
        content[i] = char((i * 7 + i / 256) & 0xFF); // every byte value, CR and LF included
    }
    return content;
}

} // namespace

TEST(FtpClient, ConnectsReportsItsStateAndDisconnects) {
    TFtpTestServer server;
    ASSERT_TRUE(server.Start());
    TRecordingClient recorder(server.Site());
    ASSERT_TRUE(recorder.Client.Connect()) << recorder.Client.GetLastError().toStdString();
    EXPECT_TRUE(recorder.Client.Connected());
    QString sDir;
    ASSERT_TRUE(recorder.Client.RetrieveCurrentDir(sDir));
    EXPECT_EQ(sDir, "/");
    recorder.Client.Disconnect();
    EXPECT_FALSE(recorder.Client.Connected());
    for (const CFtpStatus status : {fsResolving, fsConnecting, fsConnected, fsDisconnecting, fsDisconnected}) {
        EXPECT_TRUE(recorder.HasStatus(status)) << status;
    }
    EXPECT_EQ(server.CountCommands("QUIT"), 1);
}

TEST(FtpClient, RefusedLoginAndInvalidSiteLeaveItDisconnected) {
    TFtpTestServer server;
    ASSERT_TRUE(server.Start());
    TRecordingClient wrongPassword(server.Site(), "wrong-password");
    EXPECT_FALSE(wrongPassword.Client.Connect());
    EXPECT_FALSE(wrongPassword.Client.Connected());
    EXPECT_EQ(wrongPassword.Client.ReplyCode(), 530);

    TRecordingClient badSite("127.0.0.1/evil@other");
    EXPECT_FALSE(badSite.Client.Connect());
    EXPECT_TRUE(badSite.Client.GetLastError().startsWith("Invalid FTP site"));
}

TEST(FtpClient, ChangesDirectoryInOneStepAndReportsTheRefusal) {
    TFtpTestServer server;
    server.MakeDir("public_html/popups");
    ASSERT_TRUE(server.Start());
    TRecordingClient recorder(server.Site());
    ASSERT_TRUE(recorder.Client.Connect());
    const int iCwdBefore = server.CountCommands("CWD");

    ASSERT_TRUE(recorder.Client.ChangeDir("public_html/popups"));
    EXPECT_EQ(server.CountCommands("CWD"), iCwdBefore + 1);
    QString sDir;
    ASSERT_TRUE(recorder.Client.RetrieveCurrentDir(sDir));
    EXPECT_EQ(sDir, "/public_html/popups");

    EXPECT_FALSE(recorder.Client.ChangeDir("missing"));
    EXPECT_EQ(recorder.Client.ReplyCode(), 550);
    EXPECT_FALSE(recorder.Client.ReplyText().isEmpty());
    EXPECT_TRUE(recorder.Client.Connected());
    ASSERT_TRUE(recorder.Client.RetrieveCurrentDir(sDir));
    EXPECT_EQ(sDir, "/public_html/popups");

    // A line break would smuggle a second command onto the connection.
    const int iCommandsBefore = server.Commands().size();
    EXPECT_FALSE(recorder.Client.ChangeDir("x\r\nDELE index.html"));
    EXPECT_EQ(server.Commands().size(), iCommandsBefore);
    EXPECT_TRUE(recorder.Client.Connected());
}

TEST(FtpClient, StoresFilesByteForByteAndListsThem) {
    TFtpTestServer server;
    server.MakeDir("site");
    server.WriteFile("site/old.txt", "old");
    ASSERT_TRUE(server.Start());
    TLocalFiles local;
    const QByteArray binary = BinaryContent(300000);
    const QString sBinary = local.Write("picture.bin", binary);
    const QString sEmpty = local.Write("empty.js", {});
    const QString sText = local.Write("popup.js", "line1\r\nline2\nline3\r");

    TRecordingClient recorder(server.Site());
    ASSERT_TRUE(recorder.Client.Connect());
    ASSERT_TRUE(recorder.Client.ChangeDir("site"));
    ASSERT_TRUE(recorder.Client.Put(sBinary)) << recorder.Client.GetLastError().toStdString();
    ASSERT_EQ(recorder.WorkEvents.front(), "begin 300000");
    EXPECT_EQ(recorder.WorkEvents.back(), "end");
    recorder.WorkEvents.clear();
    ASSERT_TRUE(recorder.Client.Put(sEmpty));
    EXPECT_EQ(recorder.WorkEvents.front(), "begin 0");
    EXPECT_EQ(recorder.WorkEvents.back(), "end");
    ASSERT_TRUE(recorder.Client.Put(sText));

    EXPECT_EQ(server.ReadFile("site/picture.bin"), binary);
    EXPECT_EQ(server.ReadFile("site/empty.js"), QByteArray());
    EXPECT_TRUE(QFileInfo::exists(server.Root() + "/site/empty.js"));
    EXPECT_EQ(server.ReadFile("site/popup.js"), "line1\r\nline2\nline3\r");

    // Storing again replaces the file instead of appending to it.
    ASSERT_TRUE(recorder.Client.Put(sText));
    EXPECT_EQ(server.ReadFile("site/popup.js"), "line1\r\nline2\nline3\r");

    QString sRaw;
    std::vector<TFtpListItem> items;
    ASSERT_TRUE(recorder.Client.List(sRaw, items));
    EXPECT_TRUE(sRaw.contains("picture.bin"));
    QStringList names;
    for (const TFtpListItem& item : items) {
        EXPECT_TRUE(item.bIsFile);
        names.append(item.sName);
    }
    names.sort();
    EXPECT_EQ(names, QStringList({"empty.js", "old.txt", "picture.bin", "popup.js"}));
    EXPECT_EQ(server.CountCommands("APPE"), 0);
    EXPECT_EQ(server.CountCommands("PORT") + server.CountCommands("EPRT"), 0); // passive only
}

TEST(FtpClient, ASilentServerTimesOut) {
    TFtpTestServer server;
    ASSERT_TRUE(server.Start({"--silent-stor", "page.html"}));
    TLocalFiles local;
    const QString sPage = local.Write("page.html", "<p>");
    TRecordingClient recorder(server.Site());
    ASSERT_TRUE(recorder.Client.Connect());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(recorder.Client.Put(sPage));
    EXPECT_LT(timer.elapsed(), 15000);
    EXPECT_FALSE(recorder.Client.Connected());
}

TEST(FtpClient, AConnectionClosedBetweenOperationsIsReportedNotSilentlyReopened) {
    TFtpTestServer server;
    server.MakeDir("site");
    ASSERT_TRUE(server.Start({"--close-after", "CWD"}));
    TRecordingClient recorder(server.Site());
    ASSERT_TRUE(recorder.Client.Connect());
    ASSERT_TRUE(recorder.Client.ChangeDir("site"));
    ASSERT_TRUE(server.WaitForClosedSessions(1));
    QString sRaw;
    std::vector<TFtpListItem> items;
    EXPECT_FALSE(recorder.Client.List(sRaw, items));
    EXPECT_FALSE(recorder.Client.Connected());
    EXPECT_EQ(server.CountCommands("USER"), 1);
}

TEST(FtpClient, DisconnectFromAnEventHandlerEndsTheOperationSafely) {
    TFtpTestServer server;
    ASSERT_TRUE(server.Start());
    TLocalFiles local;
    const QString sBig = local.Write("big.bin", BinaryContent(32 * 1024 * 1024));
    {
        TRecordingClient recorder(server.Site());
        recorder.Client.OnWork = [&](qint64 iDone) {
            if (iDone > 0) {
                recorder.Client.Disconnect();
            }
        };
        ASSERT_TRUE(recorder.Client.Connect());
        EXPECT_FALSE(recorder.Client.Put(sBig));
        EXPECT_FALSE(recorder.Client.Connected());
        EXPECT_TRUE(recorder.HasStatus(fsAborted));
    }
    {
        // Before libcurl runs: nothing is sent, the client still ends disconnected.
        TRecordingClient recorder(server.Site());
        recorder.Client.OnWorkBegin = [&](qint64) { recorder.Client.Disconnect(); };
        ASSERT_TRUE(recorder.Client.Connect());
        EXPECT_FALSE(recorder.Client.Put(sBig));
        EXPECT_FALSE(recorder.Client.Connected());
    }
    {
        // A status handler that disconnects while connecting.
        TRecordingClient recorder(server.Site());
        recorder.Client.OnStatus = [&](CFtpStatus status, const QString&) {
            if (status == fsConnecting) {
                recorder.Client.Disconnect();
            }
        };
        EXPECT_FALSE(recorder.Client.Connect());
        EXPECT_FALSE(recorder.Client.Connected());
    }
}

TEST(FtpClient, TlsRefusesAnUntrustedCertificate) {
    TFtpTestServer server;
    ASSERT_TRUE(server.StartTls());
    TFtpOptions options = TRecordingClient::FastOptions();
    options.bUseTls = true; // the system's authorities do not know the test's certificate
    options.bLoopbackMayBePlain = false; // as for a server elsewhere
    TRecordingClient recorder(server.Site(), TFtpTestServer::sPassword, options);
    EXPECT_FALSE(recorder.Client.Connect());
    EXPECT_FALSE(recorder.Client.Connected());
    EXPECT_EQ(server.CountCommands("USER"), 0);
    EXPECT_EQ(server.CountCommands("PASS"), 0);
}
