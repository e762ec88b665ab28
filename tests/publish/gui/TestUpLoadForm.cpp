#include "LoopWait.h"
#include "TFormatGrid.h"
#include "UpLoadFormHarness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <map>

namespace {

// Every value each progress bar showed, in order, while the recorder lives.
class TProgressRecorder {
public:
    explicit TProgressRecorder(const std::vector<QProgressBar*>& bars) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            QObject::connect(bars[i], &QProgressBar::valueChanged, &Context,
                             [this, i](int iValue) { Values[i].push_back(iValue); });
        }
    }
    std::map<std::size_t, std::vector<int>> Values;

private:
    QObject Context; // ends the connections with the recorder
};

std::vector<QProgressBar*> Bars(const TUpLoadForm& form) {
    std::vector<QProgressBar*> bars;
    for (int i = 0; i < form.TransferGrid->rowCount(); ++i) {
        bars.push_back(qobject_cast<QProgressBar*>(form.TransferGrid->cellWidget(i, 1)));
    }
    return bars;
}

} // namespace

TEST_F(UpLoadForm, ShowsItsCaptionsAndStartsWithUploadAndDoneDisabled) {
    Form->TransferSetUp({Local.Write("index.html", "<p>"), Local.Write("popup.js", "var a;")});
    Form->show();
    EXPECT_EQ(Form->windowTitle(), "FTP File Upload");
    EXPECT_EQ(Form->GroupBox1->title(), " FTP Setup ");
    EXPECT_EQ(Form->GroupBox2->title(), " Transfer Progress ");
    for (const char* sCaption : {"FTP Site: ", "Username: ", "Password: ", "Site Directory: "}) {
        EXPECT_NE(Control<QLineEdit>(QString::fromLatin1(sCaption)), nullptr);
    }
    EXPECT_EQ(Form->PasswordEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Form->PasswordEdit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), '*');
    QCheckBox* tlsBox = Control<QCheckBox>("Require encrypted connection (FTPS)");
    ASSERT_NE(tlsBox, nullptr);
    EXPECT_TRUE(tlsBox->isChecked()); // on for a new site
    EXPECT_FALSE(Enabled("Upload Files"));
    EXPECT_FALSE(Enabled("Done"));
    EXPECT_TRUE(Enabled("Cancel"));
    EXPECT_FALSE(Enabled("Connect"));

    const TFormatGrid* grid = Form->TransferGrid;
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "File");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Progress");
    EXPECT_EQ(grid->columnWidth(0), 240);
    EXPECT_EQ(grid->columnWidth(1), 123);
    EXPECT_TRUE(grid->HighlightRows());
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->CellText(1, 0), "popup.js");
    EXPECT_EQ(Form->SourceFileList(), QStringList({Local.Path("index.html"), Local.Path("popup.js")}));
    for (QProgressBar* bar : Bars(*Form)) {
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->isEnabled());
        EXPECT_EQ(bar->value(), 0);
    }
}

TEST_F(UpLoadForm, ProgressBarsAreLightBlueWithAGreenBar) {
    Form->TransferSetUp({Local.Write("index.html", "<p>")});
    Form->show();
    QProgressBar* bar = Bars(*Form).at(0);
    bar->setValue(50);
    bar->setTextVisible(false);
    const QImage image = bar->grab().toImage();
    const int iMiddle = image.height() / 2;
    EXPECT_EQ(image.pixelColor(image.width() / 4, iMiddle), QColor(0x42, 0xF7, 0xBB));
    EXPECT_EQ(image.pixelColor(image.width() * 3 / 4, iMiddle), QColor(0xA6, 0xCA, 0xF0));
}

TEST_F(UpLoadForm, ConnectIsEnabledOnlyWithSiteUserAndPasswordFilledIn) {
    Form->show();
    Type("FTP Site: ", "ftp.example.com");
    Type("Username: ", "designer");
    EXPECT_FALSE(Enabled("Connect"));
    Type("Password: ", "   ");
    EXPECT_FALSE(Enabled("Connect"));
    Type("Password: ", "pw");
    EXPECT_TRUE(Enabled("Connect"));
    Type("Username: ", " \t");
    EXPECT_FALSE(Enabled("Connect"));
    Type("Username: ", "designer");
    Type("FTP Site: ", "");
    EXPECT_FALSE(Enabled("Connect"));
}

TEST_F(UpLoadForm, ConnectEntersTheSiteDirectoryComponentByComponent) {
    Server.MakeDir("public_html/popups");
    ASSERT_TRUE(Server.Start());
    ConnectTo(" public_html \\ popups ");
    EXPECT_EQ(Panel(spDirectory), "Current dir: /public_html/popups");
    EXPECT_EQ(Server.CountCommands("CWD"), 2);
    EXPECT_EQ(Form->ConnectBtn->text(), "Disconnect");
    EXPECT_TRUE(Enabled("Disconnect"));
    EXPECT_TRUE(Enabled("Upload Files"));
    EXPECT_FALSE(Form->FTPSiteEdit->isEnabled());
    EXPECT_FALSE(Form->TargetDirEdit->isEnabled());
    EXPECT_FALSE(Form->RequireTlsBox->isEnabled());
    EXPECT_FALSE(Panel(spConnection).isEmpty());
    EXPECT_TRUE(LogLines().contains("UpLoad : Connected"));

    Click("Disconnect");
    WaitForStep();
    EXPECT_EQ(Form->ConnectBtn->text(), "Connect");
    EXPECT_EQ(Panel(spConnection), "Disconnected");
    EXPECT_EQ(Panel(spDirectory), "");
    EXPECT_TRUE(Form->FTPSiteEdit->isEnabled());
    EXPECT_FALSE(Enabled("Upload Files"));
}

TEST_F(UpLoadForm, AsksBeforeOverwritingAndYesToAllHoldsForOneUpload) {
    Server.WriteFile("site/index.html", "old index");
    Server.WriteFile("site/popup.js", "old popup");
    Server.WriteFile("site/lead.js", "old lead");
    ASSERT_TRUE(Server.Start());
    Form->TransferSetUp({Local.Write("index.html", "<p>"), Local.Write("popup.js", "var p;"),
                         Local.Write("lead.js", "var l;"), Local.Write("empty.js", {})});
    TProgressRecorder progress(Bars(*Form));
    ConnectTo();
    Prompts.Expect(OverwriteQuestion("index.html"), QMessageBox::No);
    Prompts.Expect(OverwriteQuestion("popup.js"), QMessageBox::Yes);
    Prompts.Expect(OverwriteQuestion("lead.js"), QMessageBox::YesToAll);
    Click("Upload Files");
    WaitForStep();
    EXPECT_EQ(Server.ReadFile("site/index.html"), "old index");
    EXPECT_EQ(Server.ReadFile("site/popup.js"), "var p;");
    EXPECT_EQ(Server.ReadFile("site/lead.js"), "var l;");
    EXPECT_EQ(Panel(spCompleted), "Completed");
    EXPECT_TRUE(Enabled("Done"));
    EXPECT_FALSE(Enabled("Upload Files"));
    EXPECT_EQ(Form->ConnectBtn->text(), "Connect");

    EXPECT_TRUE(progress.Values[0].empty()); // not sent
    ASSERT_FALSE(progress.Values[1].empty());
    EXPECT_EQ(progress.Values[1].back(), 100);
    EXPECT_EQ(Bars(*Form)[2]->value(), 100);
    EXPECT_EQ(progress.Values[3], std::vector<int>({100})); // a zero-byte file: 0 during the transfer, then 100

    // The next upload asks again, about the four files now on the site.
    Click("Connect");
    WaitForStep();
    for (const char* sName : {"index.html", "popup.js", "lead.js", "empty.js"}) {
        Prompts.Expect(OverwriteQuestion(QString::fromLatin1(sName)), QMessageBox::No);
    }
    Click("Upload Files");
    WaitForStep();
    EXPECT_EQ(Panel(spCompleted), "Completed");

    Type("Username: ", QString::fromLatin1(TFtpTestServer::sUser) + "  ");
    Click("Done");
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->result(), QDialog::Accepted);
    EXPECT_EQ(Form->Settings().sUsername, TFtpTestServer::sUser);
    EXPECT_EQ(Form->Settings().sSite, Server.Site());
}

// An upload that has listed the site and queued the question about the one
// file already there; no events are handled here, so the question stays
// queued.
class UpLoadFormQuestionQueued : public UpLoadForm {
protected:
    void StartUpload() {
        Server.WriteFile("site/index.html", "old index");
        ASSERT_TRUE(Server.Start());
        Form->TransferSetUp({Local.Write("index.html", "<p>")});
        ConnectTo();
        Click("Upload Files");
        for (int i = 0; i < 500 && Server.CountCommands("LIST") == 0; ++i) {
            QThread::msleep(10);
        }
        QThread::msleep(100);
    }
    void ExpectNothingSent() {
        EXPECT_EQ(Server.CountCommands("STOR"), 0);
        EXPECT_EQ(Server.ReadFile("site/index.html"), "old index");
    }
};

TEST_F(UpLoadFormQuestionQueued, DestroyingTheDialogEndsTheUploadWithoutAskingIt) {
    StartUpload();
    Form.reset();
    LetTimePass(20);
    EXPECT_TRUE(Prompts.Asked.isEmpty()) << Prompts.Asked.join(" | ").toStdString();
    ExpectNothingSent();
    // What the upload logged before it ended is kept.
    EXPECT_TRUE(LogLines().contains("UpLoad : Disconnected")) << LogLines().join('\n').toStdString();
}

TEST_F(UpLoadFormQuestionQueued, ClosingTheDialogEndsTheUploadWithoutAskingIt) {
    StartUpload();
    Prompts.Expect(TUpLoadSession::CloseQuestion(), QMessageBox::Yes);
    Form->close();
    WaitForStep();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Prompts.Asked, QStringList({TUpLoadSession::CloseQuestion()}));
    ExpectNothingSent();
}

struct TFailureCase {
    const char* sName;
    QStringList ServerOptions;
    const char* sTargetDir;
    const char* sPassword;
    bool bUpload;
    QStringList Messages; // each a text start
    const char* sLogLine; // an error also logged, or empty
};

class UpLoadFormFailure : public UpLoadForm, public ::testing::WithParamInterface<TFailureCase> {};

TEST_P(UpLoadFormFailure, IsReportedAndLeavesTheUploadIncomplete) {
    const TFailureCase& c = GetParam();
    Server.MakeDir("public_html");
    ASSERT_TRUE(Server.Start(c.ServerOptions));
    Form->TransferSetUp({Local.Write("index.html", "<p>"), Local.Write("popup.js", "var p;")});
    ShowWithServerFields(QString::fromLatin1(c.sTargetDir));
    if (*c.sPassword) {
        Type("Password: ", QString::fromLatin1(c.sPassword));
    }
    for (const QString& sMessage : c.Messages) {
        Prompts.ExpectStart(sMessage);
    }
    Click("Connect");
    WaitForStep();
    if (c.bUpload) {
        Click("Upload Files");
        WaitForStep();
    }
    EXPECT_NE(Panel(spCompleted), "Completed");
    EXPECT_FALSE(Enabled("Done"));
    if (*c.sLogLine) {
        EXPECT_TRUE(LogLines().contains(QString::fromLatin1(c.sLogLine))) << LogLines().join('\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpLoadFormFailure,
    ::testing::Values(
        TFailureCase{
            "BadLogin", {}, "", "wrong", false, {"Exception whilst connecting"}, "Exception whilst connecting"},
        TFailureCase{"RefusedDirectory", {}, "public_html\\missing", "", false, {"Change Dir Error = 550 :"}, ""},
        TFailureCase{"LostInTheDirectory",
                     {"--close-after", "CWD"},
                     "public_html\\site",
                     "",
                     false,
                     {"Cannot log on to directory <public_html\\site>"},
                     "Cannot log on to directory <public_html\\site>"},
        TFailureCase{"RefusedStore",
                     {"--refuse-stor", "popup.js"},
                     "site",
                     "",
                     true,
                     {"File UpLoad Error = 552 :Storage refused by the test server.",
                      "Could not find file <popup.js> after transferring it"},
                     ""},
        TFailureCase{"ListingRefusedBefore",
                     {"--refuse-list-from", "1"},
                     "site",
                     "",
                     true,
                     {"Could not check existing file list"},
                     ""},
        TFailureCase{"ListingRefusedAfter",
                     {"--refuse-list-from", "2"},
                     "site",
                     "",
                     true,
                     {"Could not check UpLoaded file list"},
                     ""}),
    [](const ::testing::TestParamInfo<TFailureCase>& info) { return std::string(info.param.sName); });

TEST_F(UpLoadForm, ClosingWhileConnectedAsksFirst) {
    ASSERT_TRUE(Server.Start());
    ConnectTo("");
    const QString sQuestion = "A transfer seems to be in progress\nClosing this dialog will stop the transfer\n"
                              "Are you sure you want to close the dialog?";
    Prompts.Expect(sQuestion, QMessageBox::No);
    Click("Cancel");
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->ConnectBtn->text(), "Disconnect");

    Prompts.Expect(sQuestion, QMessageBox::Yes);
    Form->close();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->ConnectBtn->text(), "Connect");
    EXPECT_EQ(Form->result(), QDialog::Rejected);
}

TEST_F(UpLoadForm, DoneAndCancelRememberTheTrimmedFieldsAndTheCloseBoxDoesNot) {
    TUpLoadSettings settings;
    settings.sRemotePath = "public_html";
    settings.Position = QPoint(120, 140);
    Form->SetSettings(settings);
    Form->show();
    Type("FTP Site: ", " ftp.example.com ");
    Type("Username: ", " designer");
    Type("Password: ", "s3cret ");
    Type("Site Directory: ", " public_html\\popups ");
    Form->RequireTlsBox->setChecked(false);
    Form->close();
    EXPECT_EQ(Form->Settings().sSite, "");

    Form->show();
    EXPECT_EQ(Form->FTPSiteEdit->text(), "");
    EXPECT_EQ(Form->TargetDirEdit->text(), " public_html\\popups ");
    Type("FTP Site: ", " ftp.example.com ");
    Type("Username: ", " designer");
    Type("Password: ", "s3cret ");
    Click("Cancel");
    EXPECT_FALSE(Form->isVisible());
    const TUpLoadSettings kept = Form->Settings();
    EXPECT_EQ(kept.sSite, "ftp.example.com");
    EXPECT_EQ(kept.sUsername, "designer");
    EXPECT_EQ(kept.sPassword, "s3cret");
    EXPECT_EQ(kept.sRemotePath, "public_html\\popups");
    EXPECT_FALSE(kept.bRequireTls);

    Form->show(); // shown again: the remembered values
    EXPECT_EQ(Form->FTPSiteEdit->text(), "ftp.example.com");
    EXPECT_EQ(Form->PasswordEdit->text(), "s3cret");
}

TEST_F(UpLoadForm, TheWindowRunsDuringATransferAndClosingEndsItCleanly) {
    ASSERT_TRUE(Server.Start({"--read-limit", "524288"}));
    Form->TransferSetUp({Local.Write("big.bin", QByteArray(16 * 1024 * 1024, 'x')), Local.Write("after.js", "1")});
    ConnectTo();

    int iTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++iTicks; });
    ticker.start(20);
    Click("Upload Files");
    ASSERT_TRUE(Form->IsTransferring()); // the click came back at once
    // The event loop runs while the file is being sent: the timer ticks and
    // the progress arrives.
    const int iStartValue = Bars(*Form)[0]->value();
    WaitUntil([&] { return iTicks >= 10 && Bars(*Form)[0]->value() != iStartValue; }, 10000);
    EXPECT_GE(iTicks, 10);
    EXPECT_GT(Bars(*Form)[0]->value(), iStartValue);
    ASSERT_TRUE(Form->IsTransferring());
    EXPECT_FALSE(Form->ConnectBtn->isEnabled());
    EXPECT_FALSE(Form->UpLoadBtn->isEnabled());

    Prompts.Expect(TUpLoadSession::CloseQuestion(), QMessageBox::Yes);
    Form->close();
    WaitForStep();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->result(), QDialog::Rejected);
    EXPECT_EQ(Form->ConnectBtn->text(), "Connect");
    EXPECT_NE(Panel(spCompleted), "Completed");
    EXPECT_LT(Bars(*Form)[0]->value(), 100);
    EXPECT_EQ(Server.CountCommands("STOR"), 1); // the second file was not sent
    EXPECT_TRUE(LogLines().contains("UpLoad : Aborted"));

    // The dialog works again next time.
    Form->show();
    Click("Connect");
    WaitForStep();
    EXPECT_EQ(Form->ConnectBtn->text(), "Disconnect");
}

// Uploads one page with "Require encrypted connection (FTPS)" on, as a new site has it.
class UpLoadWithTlsRequired : public UpLoadForm, public ::testing::WithParamInterface<bool> {};

TEST_P(UpLoadWithTlsRequired, UploadsOverTlsOrToAPlainServerOnThisComputer) {
    const bool bTlsServer = GetParam();
    ASSERT_TRUE(bTlsServer ? Server.StartTls() : Server.Start());
    TFtpOptions options;
    options.sCaFile = bTlsServer ? Server.CertificateFile() : QString();
    Form->SetFtpOptions(options);
    Form->TransferSetUp({Local.Write("index.html", "<p>")});
    ShowWithServerFields();
    Form->RequireTlsBox->setChecked(true);
    Click("Connect");
    WaitForStep();
    Click("Upload Files");
    WaitForStep();
    EXPECT_EQ(Panel(spCompleted), "Completed");
    EXPECT_EQ(Server.ReadFile("site/index.html"), "<p>");
    if (bTlsServer) {
        EXPECT_EQ(Server.Commands().first(), "AUTH 0");
        EXPECT_FALSE(Server.Commands().contains("PASS 0"));
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, UpLoadWithTlsRequired, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Tls" : "PlainOnThisComputer"; });

TEST_F(UpLoadForm, RequiringTlsFromAPlainServerSaysHowToSwitchItOff) {
    ASSERT_TRUE(Server.Start());
    // The refusal a remote server without TLS gets: this one is on this
    // computer, so the test takes away the leave loopback servers have.
    TFtpOptions options;
    options.bLoopbackMayBePlain = false;
    Form->SetFtpOptions(options);
    ShowWithServerFields();
    Form->RequireTlsBox->setChecked(true);
    Prompts.Expect("Exception whilst connecting\nThe server does not offer an encrypted connection (FTPS). To upload "
                   "without encryption, clear \"Require encrypted connection (FTPS)\" and connect again.");
    Click("Connect");
    WaitForStep();
    EXPECT_EQ(Server.CountCommands("PASS"), 0);
    EXPECT_TRUE(Form->RequireTlsBox->isEnabled());

    Form->RequireTlsBox->setChecked(false);
    Click("Connect");
    WaitForStep();
    EXPECT_EQ(Form->ConnectBtn->text(), "Disconnect");
}

TEST_F(UpLoadForm, ThePasswordNeverReachesTheLogOrTheStatusBar) {
    ASSERT_TRUE(Server.Start({"--refuse-stor", "index.html"}));
    Form->TransferSetUp({Local.Write("index.html", "<p>")});
    ConnectTo();
    Prompts.ExpectStart("File UpLoad Error = 552");
    Prompts.ExpectStart("Could not find file <index.html>");
    Click("Upload Files");
    WaitForStep();
    const QString sLog = LogLines().join('\n');
    EXPECT_TRUE(sLog.contains("UpLoad : Status: PASS ********"));
    EXPECT_FALSE(sLog.contains(TFtpTestServer::sPassword));
    for (QLabel* panel : Form->StatusPanels) {
        EXPECT_FALSE(panel->text().contains(TFtpTestServer::sPassword));
    }
}
