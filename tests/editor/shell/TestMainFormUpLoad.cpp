#include "FtpTestServer.h"
#include "LoopWait.h"
#include "MainFormTestSupport.h"

#include "PasswordScrambler.h"
#include "TFormatGrid.h"
#include "TUpLoadForm.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The upload command of the real main window, with the dialog run by the
// scripted services against a test server.
class MainFormUpLoad : public ::testing::Test {
protected:
    TMainFormEnvironment Env;
    TFtpTestServer Server;
    std::unique_ptr<TMainForm> Form;

    // A saved and compiled project (its preview page written after it) whose
    // compile listed the files.
    QString WriteCompiledProject(const QStringList& uploads) {
        const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
        TTestEnvironment::WriteProject(sProject, false);
        QFile file(sProject);
        file.open(QIODevice::Append);
        file.write("[UPLOAD_INCLUDE_FILES]\r\n");
        for (int i = 0; i < uploads.size(); ++i) {
            file.write(QStringLiteral("File%1=%2\r\n").arg(i).arg(Env.Path(uploads.at(i))).toUtf8());
        }
        file.close();
        WriteLocal(QStringLiteral("promo_Preview.html"), "<p>preview</p>");
        return sProject;
    }
    void WriteLocal(const QString& sName, const QByteArray& content) {
        QFile file(Env.Path(sName));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    void Start(const QString& sProject) {
        Form = Env.CreateMainForm({sProject});
        ASSERT_TRUE(Form);
    }
    void StoreSite(bool bRequireTls) {
        Env.SetStoreValue(QStringLiteral("FTPSite"), Server.Site());
        Env.SetStoreValue(QStringLiteral("Username"), QString::fromLatin1(TFtpTestServer::sUser));
        Env.SetStoreValue(QStringLiteral("Password"), EncodePassword(QString::fromLatin1(TFtpTestServer::sPassword)));
        Env.SetStoreValue(QStringLiteral("RemotePath"), QStringLiteral("site"));
        Env.SetStoreValue(QStringLiteral("FTPRequireTLS"), int(bRequireTls));
    }
    static void WaitForStep(const TUpLoadForm& form) {
        WaitUntil([&form] { return !form.IsTransferring(); }, 20000);
    }
    static void Click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

} // namespace

TEST_F(MainFormUpLoad, UploadsTheCompiledFilesAndRemembersTheSite) {
    Server.MakeDir(QStringLiteral("site"));
    ASSERT_TRUE(Server.Start());
    StoreSite(false);
    WriteLocal("promo.js", "var promo;");
    Start(WriteCompiledProject({"promo.js", "promo_Preview.html"}));
    Env.Services.ExpectDialog(QStringLiteral("UpLoadForm"), [&](QDialog& dialog) {
        auto& form = static_cast<TUpLoadForm&>(dialog);
        EXPECT_EQ(form.FTPSiteEdit->text(), Server.Site());
        EXPECT_EQ(form.PasswordEdit->text(), TFtpTestServer::sPassword);
        EXPECT_EQ(form.TargetDirEdit->text(), "site");
        EXPECT_FALSE(form.RequireTlsBox->isChecked());
        EXPECT_EQ(form.TransferGrid->CellText(1, 0), "promo_Preview.html");
        form.UsernameEdit->selectAll();
        QTest::keyClicks(form.UsernameEdit, QStringLiteral(" ") + TFtpTestServer::sUser + QStringLiteral(" "));
        Click(form.ConnectBtn);
        WaitForStep(form);
        Click(form.UpLoadBtn);
        WaitForStep(form);
        Click(form.CompleteBtn);
    });
    Form->Actions().UploadBtn->trigger();
    EXPECT_EQ(Form->StatusText(), "Files UpLoaded Successfully");
    EXPECT_EQ(Server.ReadFile("site/promo.js"), "var promo;");

    Form->close();
    QSettings store(Env.StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value("FTPSite").toString(), Server.Site());
    EXPECT_EQ(store.value("Username").toString(), TFtpTestServer::sUser);
    EXPECT_EQ(store.value("RemotePath").toString(), "site");
    EXPECT_EQ(store.value("FTPRequireTLS").toString(), "0");
    const QString sStoredPassword = store.value("Password").toString();
    EXPECT_EQ(DecodePassword(sStoredPassword), TFtpTestServer::sPassword);
    EXPECT_FALSE(sStoredPassword.contains(TFtpTestServer::sPassword));
    Form.reset();
    const QStringList lines = Env.LogLines();
    EXPECT_TRUE(lines.contains("Status [Files UpLoaded Successfully]"));
    EXPECT_TRUE(lines.contains("UpLoad : Connected"));
    EXPECT_FALSE(lines.join('\n').contains(TFtpTestServer::sPassword));
}

TEST_F(MainFormUpLoad, ANewSiteRequiresAnEncryptedConnectionAndCancelReportsNothing) {
    WriteLocal("promo.js", "var promo;");
    Start(WriteCompiledProject({"promo.js"}));
    Env.Services.ExpectDialog(QStringLiteral("UpLoadForm"), [](QDialog& dialog) {
        auto& form = static_cast<TUpLoadForm&>(dialog);
        EXPECT_TRUE(form.RequireTlsBox->isChecked());
        EXPECT_EQ(form.FTPSiteEdit->text(), "");
        Click(form.CancelBtn);
    });
    Form->Actions().UploadBtn->trigger();
    EXPECT_NE(Form->StatusText(), "Files UpLoaded Successfully");
}

TEST_F(MainFormUpLoad, RefusesAProjectWithNothingToUpload) {
    Start(WriteCompiledProject({}));
    Env.Services.ExpectQuestion(QStringLiteral("There are no files to upload"), QMessageBox::Ok);
    Form->Actions().UploadBtn->trigger();
    Form.reset();
    EXPECT_TRUE(Env.LogLines().contains("Error : There are no files to upload"));
}

TEST_F(MainFormUpLoad, RefusesAProjectThatWasNotCompiled) {
    WriteLocal("promo.js", "var promo;");
    const QString sProject = WriteCompiledProject({"promo.js"});
    QFile::remove(Env.Path(QStringLiteral("promo_Preview.html")));
    Start(sProject);
    Env.Services.ExpectQuestion(QStringLiteral("The project must be compiled to upload the project files"),
                                QMessageBox::Ok);
    Form->Actions().UploadBtn->trigger();
    EXPECT_NE(Form->StatusText(), "Files UpLoaded Successfully");
}

TEST_F(MainFormUpLoad, RefusesTheStartUpTemplate) {
    Form = Env.CreateMainForm();
    ASSERT_TRUE(Form);
    Env.Services.ExpectQuestion(QStringLiteral("The project must be saved and compiled to upload the project files"),
                                QMessageBox::Ok);
    Form->Actions().UploadBtn->trigger();
}
