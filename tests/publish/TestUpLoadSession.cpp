#include "FtpTestServer.h"
#include "TUpLoadSession.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <map>
#include <thread>

namespace {

// The dialog, scripted: answers come from queues, everything shown is kept.
class TScriptedUi : public IUpLoadUi {
public:
    std::deque<COverwriteAnswer> OverwriteAnswers;
    bool bCloseAnswer = false;
    QStringList Questions;
    QStringList Errors;   // error boxes, in order
    QStringList Reported; // errors also written to the session log
    QStringList LogLines;
    std::map<CStatusPanel, QString> Panels;
    std::map<int, std::vector<int>> Progress;
    TUpLoadControls LastControls;

    COverwriteAnswer AskOverwrite(const QString& sQuestion) override {
        Questions.append(sQuestion);
        const COverwriteAnswer answer = OverwriteAnswers.empty() ? oaNo : OverwriteAnswers.front();
        if (!OverwriteAnswers.empty()) {
            OverwriteAnswers.pop_front();
        }
        return answer;
    }
    bool AskYesNo(const QString& sQuestion) override {
        Questions.append(sQuestion);
        return bCloseAnswer;
    }
    void ShowError(const QString& sMessage) override { Errors.append(sMessage); }
    void ReportError(const QString& sMessage) override {
        Reported.append(sMessage);
        LogLines.append(sMessage);
        Errors.append(sMessage);
    }
    void Log(const QString& sLine) override { LogLines.append(sLine); }
    void ShowStatus(CStatusPanel panel, const QString& sText) override { Panels[panel] = sText; }
    void ShowProgress(int iFile, int iPercent) override { Progress[iFile].push_back(iPercent); }
    void UpdateControls(const TUpLoadControls& controls) override { LastControls = controls; }
};

class UpLoadSession : public ::testing::Test {
protected:
    TFtpTestServer Server;
    TLocalFiles Local;
    TScriptedUi Ui;
    TUpLoadSession Session{Ui};

    void SetUp() override {
        TFtpOptions options;
        options.iConnectTimeout = 5;
        options.iReplyTimeout = 5;
        options.iStallTimeout = 5;
        Session.SetFtpOptions(options);
    }

    void Fill(const QString& sTargetDir, const QString& sPassword = TFtpTestServer::sPassword) {
        Session.OnEditing({Server.Site(), TFtpTestServer::sUser, sPassword, sTargetDir});
    }
    bool Connect(const QString& sTargetDir = "site") {
        Fill(sTargetDir);
        Session.ConnectBtnClick();
        return Session.IsConnected();
    }
    // index.html, popup.js and lead.js, of which popup.js already is on the site.
    void SetUpThreeFiles() {
        Server.WriteFile("site/popup.js", "remote popup");
        Session.TransferSetUp({Local.Write("index.html", "<html></html>\r\n"), Local.Write("popup.js", "local popup"),
                               Local.Write("lead.js", "var a;")});
    }
    QString OverwriteQuestion(const QString& sName) const {
        return "File <" + sName + "> already exists on the upload site.\nDo you wish to overwrite?";
    }
    bool LogContains(const QString& sLine) const { return Ui.LogLines.contains(sLine); }
};

} // namespace

TEST_F(UpLoadSession, ConnectIsEnabledOnlyWithSiteUserAndPassword) {
    Session.FormShow();
    EXPECT_FALSE(Ui.LastControls.bConnectEnabled);
    EXPECT_EQ(Ui.LastControls.sConnectCaption, "Connect");
    Session.OnEditing({"ftp.example.com", "  ", "pw", ""});
    EXPECT_FALSE(Ui.LastControls.bConnectEnabled);
    Session.OnEditing({"ftp.example.com", "user", "\t ", ""});
    EXPECT_FALSE(Ui.LastControls.bConnectEnabled);
    Session.OnEditing({"ftp.example.com", "user", "pw", ""});
    EXPECT_TRUE(Ui.LastControls.bConnectEnabled);
    EXPECT_TRUE(Ui.LastControls.bEditsEnabled);
    EXPECT_FALSE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_TRUE(Session.IsEdited());
}

TEST_F(UpLoadSession, EntersTheSiteDirectoryComponentByComponent) {
    Server.MakeDir("public_html/popups");
    ASSERT_TRUE(Server.Start());
    ASSERT_TRUE(Connect(" public_html \\ popups "));
    EXPECT_EQ(Server.CountCommands("CWD"), 2);
    EXPECT_EQ(Ui.Panels[spDirectory], "Current dir: /public_html/popups");
    EXPECT_TRUE(Ui.Errors.isEmpty());
    EXPECT_EQ(Ui.LastControls.sConnectCaption, "Disconnect");
    EXPECT_EQ(Ui.LastControls.iConnectPicture, 1);
    EXPECT_FALSE(Ui.LastControls.bEditsEnabled);
    EXPECT_TRUE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_TRUE(LogContains("UpLoad : Connected"));
}

TEST_F(UpLoadSession, ARefusedComponentIsReportedAndTheWalkGoesOn) {
    Server.MakeDir("public_html/popups");
    ASSERT_TRUE(Server.Start());
    ASSERT_TRUE(Connect("public_html\\missing\\popups"));
    ASSERT_EQ(Ui.Errors.size(), 1);
    EXPECT_TRUE(Ui.Errors.first().startsWith("Change Dir Error = 550 :")) << Ui.Errors.first().toStdString();
    EXPECT_GT(Ui.Errors.first().size(), QString("Change Dir Error = 550 :").size());
    EXPECT_EQ(Ui.Panels[spDirectory], "Current dir: /public_html/popups");
    EXPECT_TRUE(Session.IsConnected());
}

TEST_F(UpLoadSession, ForwardSlashesGoToTheServerInOneStep) {
    Server.MakeDir("public_html/popups");
    ASSERT_TRUE(Server.Start());
    ASSERT_TRUE(Connect("public_html/popups"));
    EXPECT_EQ(Server.CountCommands("CWD"), 1);
    EXPECT_EQ(Ui.Panels[spDirectory], "Current dir: /public_html/popups");
}

TEST_F(UpLoadSession, LosingTheConnectionDuringTheWalkIsReported) {
    Server.MakeDir("public_html/popups");
    ASSERT_TRUE(Server.Start({"--close-after", "CWD"}));
    EXPECT_FALSE(Connect("public_html\\popups"));
    EXPECT_EQ(Ui.Reported, QStringList({"Cannot log on to directory <public_html\\popups>"}));
    EXPECT_TRUE(LogContains("Cannot log on to directory <public_html\\popups>"));
    EXPECT_FALSE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_TRUE(Ui.LastControls.bEditsEnabled);
}

TEST_F(UpLoadSession, FailedConnectsAreReportedAndLeaveTheEditsOpen) {
    ASSERT_TRUE(Server.Start());
    Fill("", "wrong");
    Session.ConnectBtnClick();
    EXPECT_EQ(Ui.Reported, QStringList({"Exception whilst connecting"}));
    EXPECT_FALSE(Session.IsConnected());
    EXPECT_TRUE(Ui.LastControls.bEditsEnabled);
    EXPECT_FALSE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_EQ(Ui.LastControls.sConnectCaption, "Connect");

    Ui.Reported.clear();
    Session.OnEditing({"127.0.0.1:1", "user", "pw", ""});
    Session.ConnectBtnClick();
    EXPECT_EQ(Ui.Reported, QStringList({"Exception whilst connecting"}));
    EXPECT_FALSE(Session.IsConnected());
}

TEST_F(UpLoadSession, AsksOnceForTheExistingFileAndNoKeepsIt) {
    ASSERT_TRUE(Server.Start());
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaNo};
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Questions, QStringList({OverwriteQuestion("popup.js")}));
    EXPECT_EQ(Server.ReadFile("site/popup.js"), "remote popup");
    EXPECT_EQ(Server.ReadFile("site/index.html"), "<html></html>\r\n");
    EXPECT_EQ(Server.ReadFile("site/lead.js"), "var a;");
    EXPECT_TRUE(Ui.Errors.isEmpty()) << Ui.Errors.join('|').toStdString();
    EXPECT_EQ(Ui.Panels[spCompleted], "Completed");
    EXPECT_TRUE(Ui.LastControls.bDoneEnabled);
    EXPECT_FALSE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_FALSE(Session.IsConnected());
    EXPECT_EQ(std::count_if(Ui.LogLines.begin(), Ui.LogLines.end(),
                            [](const QString& sLine) { return sLine.startsWith("List = "); }),
              2);
}

TEST_F(UpLoadSession, YesReplacesTheExistingFile) {
    ASSERT_TRUE(Server.Start());
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaYes};
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Server.ReadFile("site/popup.js"), "local popup");
}

TEST_F(UpLoadSession, YesToAllHoldsForOneUploadOnly) {
    Server.WriteFile("site/index.html", "old index");
    Server.WriteFile("site/lead.js", "old lead");
    ASSERT_TRUE(Server.Start());
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaYesToAll};
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Questions, QStringList({OverwriteQuestion("index.html")}));
    EXPECT_EQ(Session.GetCopyMode(), cmOverwriteAll);
    EXPECT_EQ(Server.ReadFile("site/popup.js"), "local popup");
    EXPECT_EQ(Server.ReadFile("site/lead.js"), "var a;");

    Ui.Questions.clear();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaNo, oaNo, oaNo};
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Questions.size(), 3);
}

TEST_F(UpLoadSession, NamesAreComparedWithTheirCase) {
    Server.WriteFile("site/INDEX.html", "other file");
    ASSERT_TRUE(Server.Start());
    Session.TransferSetUp({Local.Write("index.html", "<p>")});
    ASSERT_TRUE(Connect());
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_TRUE(Ui.Questions.isEmpty());
    EXPECT_EQ(Server.ReadFile("site/index.html"), "<p>");
    EXPECT_EQ(Server.ReadFile("site/INDEX.html"), "other file");
}

TEST_F(UpLoadSession, BinaryAndEmptyFilesArriveUnchanged) {
    Server.MakeDir("site");
    ASSERT_TRUE(Server.Start());
    QByteArray binary;
    for (int i = 0; i < 200000; ++i) {
        binary.append(char(i % 251));
    }
    Session.TransferSetUp({Local.Write("mask.png", binary), Local.Write("empty.js", {})});
    ASSERT_TRUE(Connect());
    Ui.Progress.clear();
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Server.ReadFile("site/mask.png"), binary);
    EXPECT_TRUE(QFileInfo::exists(Server.Root() + "/site/empty.js"));
    EXPECT_EQ(Server.ReadFile("site/empty.js").size(), 0);

    const std::vector<int>& emptyProgress = Ui.Progress[1];
    ASSERT_GE(emptyProgress.size(), 2u);
    EXPECT_EQ(emptyProgress.front(), 0);
    EXPECT_EQ(emptyProgress.back(), 100);
    EXPECT_TRUE(std::all_of(emptyProgress.begin(), emptyProgress.end() - 1, [](int i) { return i == 0; }));
    const std::vector<int>& binaryProgress = Ui.Progress[0];
    EXPECT_EQ(binaryProgress.front(), 0);
    EXPECT_EQ(binaryProgress.back(), 100);
    EXPECT_TRUE(std::is_sorted(binaryProgress.begin(), binaryProgress.end()));
}

TEST_F(UpLoadSession, ARefusedFileIsReportedAndTheOthersStillGo) {
    Server.MakeDir("site");
    ASSERT_TRUE(Server.Start({"--refuse-stor", "popup.js"}));
    Session.TransferSetUp(
        {Local.Write("index.html", "<p>"), Local.Write("popup.js", "local popup"), Local.Write("lead.js", "var a;")});
    ASSERT_TRUE(Connect());
    EXPECT_FALSE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Errors, QStringList({"File UpLoad Error = 552 :Storage refused by the test server.",
                                      "Could not find file <popup.js> after transferring it"}));
    EXPECT_EQ(Server.ReadFile("site/lead.js"), "var a;");
    EXPECT_NE(Ui.Panels[spCompleted], "Completed");
    EXPECT_FALSE(Ui.LastControls.bDoneEnabled);
    EXPECT_FALSE(Session.IsConnected());
}

TEST_F(UpLoadSession, ARefusedFileWithAnOlderCopyOnTheServerLeavesTheUploadIncomplete) {
    Server.WriteFile("site/popup.js", "remote popup");
    ASSERT_TRUE(Server.Start({"--refuse-stor", "popup.js"}));
    Session.TransferSetUp({Local.Write("popup.js", "local popup"), Local.Write("lead.js", "var a;")});
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaYes};
    EXPECT_FALSE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Errors, QStringList({"File UpLoad Error = 552 :Storage refused by the test server."}));
    EXPECT_EQ(Server.ReadFile("site/lead.js"), "var a;");
    EXPECT_NE(Ui.Panels[spCompleted], "Completed");
    EXPECT_FALSE(Ui.LastControls.bDoneEnabled);
}

TEST_F(UpLoadSession, ARefusedListingBeforeTheUploadSendsNothing) {
    Server.MakeDir("site");
    ASSERT_TRUE(Server.Start({"--refuse-list-from", "1"}));
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    EXPECT_FALSE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Errors, QStringList({"Could not check existing file list"}));
    EXPECT_EQ(Server.CountCommands("STOR"), 0);
    EXPECT_FALSE(Session.IsConnected());
}

TEST_F(UpLoadSession, ARefusedListingAfterTheUploadFailsTheCheck) {
    Server.MakeDir("site");
    ASSERT_TRUE(Server.Start({"--refuse-list-from", "2"}));
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaYes};
    EXPECT_FALSE(Session.UpLoadFileList());
    EXPECT_EQ(Ui.Errors, QStringList({"Could not check UpLoaded file list"}));
    EXPECT_EQ(Server.CountCommands("STOR"), 3);
    EXPECT_FALSE(Ui.LastControls.bDoneEnabled);
    EXPECT_FALSE(Session.IsConnected());
}

TEST_F(UpLoadSession, ADroppedConnectionIsReportedWithoutHanging) {
    Server.MakeDir("site");
    ASSERT_TRUE(Server.Start({"--drop-stor", "big.bin"}));
    Session.TransferSetUp({Local.Write("big.bin", QByteArray(8 * 1024 * 1024, 'x')), Local.Write("after.js", "1")});
    ASSERT_TRUE(Connect());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Session.UpLoadFileList());
    EXPECT_LT(timer.elapsed(), 15000);
    ASSERT_EQ(Ui.Errors.size(), 2);
    EXPECT_TRUE(Ui.Errors[0].startsWith("File UpLoad Error = 0 :Connection lost: ")) << Ui.Errors[0].toStdString();
    EXPECT_EQ(Ui.Errors[1], "Could not check UpLoaded file list");
    EXPECT_FALSE(Session.IsConnected());
    EXPECT_EQ(Ui.LastControls.sConnectCaption, "Connect");
}

TEST_F(UpLoadSession, UploadsOverTlsWithoutAPlainLogin) {
    ASSERT_TRUE(Server.StartTls());
    TFtpOptions options;
    options.bUseTls = true;
    options.sCaFile = Server.CertificateFile();
    Session.SetFtpOptions(options);
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Ui.OverwriteAnswers = {oaYes};
    EXPECT_TRUE(Session.UpLoadFileList());
    EXPECT_EQ(Server.ReadFile("site/popup.js"), "local popup");
    const QStringList commands = Server.Commands();
    EXPECT_EQ(commands.first(), "AUTH 0");
    EXPECT_TRUE(commands.contains("USER 1"));
    EXPECT_TRUE(commands.contains("PASS 1"));
    EXPECT_TRUE(commands.contains("PROT 1"));
    EXPECT_FALSE(commands.contains("USER 0"));
    EXPECT_FALSE(commands.contains("PASS 0"));
}

TEST_F(UpLoadSession, TlsAgainstAPlainServerIsRefusedClearly) {
    ASSERT_TRUE(Server.Start());
    TFtpOptions options;
    options.bUseTls = true;
    options.bLoopbackMayBePlain = false; // as for a server elsewhere
    Session.SetFtpOptions(options);
    EXPECT_FALSE(Connect(""));
    EXPECT_EQ(Ui.Reported,
              QStringList({"Exception whilst connecting\nThe server does not offer an encrypted connection "
                           "(FTPS). To upload without encryption, clear \"Require encrypted connection "
                           "(FTPS)\" and connect again."}));
    EXPECT_TRUE(LogContains("UpLoad : Status: Requested SSL level failed")) << Ui.LogLines.join('\n').toStdString();
    EXPECT_EQ(Server.CountCommands("PASS"), 0);
}

TEST_F(UpLoadSession, NoLogLineOrMessageShowsThePassword) {
    ASSERT_TRUE(Server.Start({"--refuse-stor", "lead.js"}));
    SetUpThreeFiles();
    ASSERT_TRUE(Connect());
    Session.UpLoadFileList();
    Fill("", "wrong-Secret");
    Session.ConnectBtnClick();
    EXPECT_TRUE(LogContains("UpLoad : Status: PASS ********"));
    for (const QString& sLine : Ui.LogLines + Ui.Errors + QStringList{Ui.Panels[spConnection]}) {
        EXPECT_FALSE(sLine.contains(TFtpTestServer::sPassword)) << sLine.toStdString();
        EXPECT_FALSE(sLine.contains("wrong-Secret")) << sLine.toStdString();
    }
}

TEST_F(UpLoadSession, ClosingWhileConnectedAsksFirst) {
    EXPECT_TRUE(Session.FormCloseQuery());
    EXPECT_TRUE(Ui.Questions.isEmpty());
    ASSERT_TRUE(Server.Start());
    ASSERT_TRUE(Connect(""));
    Ui.bCloseAnswer = false;
    EXPECT_FALSE(Session.FormCloseQuery());
    EXPECT_TRUE(Session.IsConnected());
    EXPECT_EQ(Ui.Questions, QStringList({"A transfer seems to be in progress\nClosing this dialog will stop the "
                                         "transfer\nAre you sure you want to close the dialog?"}));
    Ui.bCloseAnswer = true;
    EXPECT_TRUE(Session.FormCloseQuery());
    EXPECT_FALSE(Session.IsConnected());
}

TEST_F(UpLoadSession, RemembersTrimmedValuesAndShowsThemNextTime) {
    Session.OnEditing({" ftp.example.com ", " user\t", " pw ", "dir"});
    Session.CompleteBtnClick();
    EXPECT_EQ(Session.sSite, "ftp.example.com");
    EXPECT_EQ(Session.sUsername, "user");
    EXPECT_EQ(Session.sPassword, "pw");
    Session.OnEditing({"", "", "", "dir"});
    Session.FormShow();
    EXPECT_EQ(Session.Fields().sSite, "ftp.example.com");
    EXPECT_EQ(Session.Fields().sPassword, "pw");
    EXPECT_EQ(Session.Fields().sTargetDir, "dir");
    EXPECT_FALSE(Ui.LastControls.bUpLoadEnabled);
    EXPECT_FALSE(Ui.LastControls.bDoneEnabled);
    EXPECT_EQ(Ui.Panels[spCompleted], "");
}

TEST_F(UpLoadSession, AnAbortFromAnotherThreadEndsTheUploadQuietly) {
    Server.WriteFile("site/later.js", "remote");
    ASSERT_TRUE(Server.Start({"--read-limit", "262144"}));
    Session.TransferSetUp({Local.Write("big.bin", QByteArray(8 * 1024 * 1024, 'x')), Local.Write("later.js", "1")});
    ASSERT_TRUE(Connect());
    bool bCompleted = true;
    std::thread upload([&] { bCompleted = Session.UpLoadFileList(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    QElapsedTimer timer;
    timer.start();
    Session.Abort();
    upload.join();
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_FALSE(bCompleted);
    EXPECT_TRUE(Ui.Errors.isEmpty()) << Ui.Errors.join('|').toStdString();
    EXPECT_TRUE(Ui.Questions.isEmpty()); // later.js exists, but nothing more is asked
    EXPECT_FALSE(Session.IsConnected());
    EXPECT_NE(Ui.Panels[spCompleted], "Completed");
    EXPECT_TRUE(LogContains("UpLoad : Aborted"));

    // Showing the dialog again lifts the abort: the next connect works.
    Session.FormShow();
    EXPECT_TRUE(Connect());
}
