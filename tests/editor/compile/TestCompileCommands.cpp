#include "ICompileHost.h"
#include "TCompileCommands.h"
#include "TCompileForm.h"
#include "TProjectDocument.h"
#include "TScriptForm.h"
#include "TScriptedServices.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The main window's side: its saves write the document, its options and
// edited flag are the test's.
class TTestCompileHost : public ICompileHost {
public:
    explicit TTestCompileHost(TProjectDocument& document) : Document(document) {}
    void Status(const QString& sText) override { Statuses << sText; }
    void LogLine(const QString& sText) override { Logs << sText; }
    bool SaveProject() override {
        ++iSaves;
        bEdited = !Document.Save();
        return !bEdited;
    }
    bool SaveProjectAs() override { return OnSaveAs ? OnSaveAs() : false; }
    void SetProjectTitle() override { ++iTitles; }
    bool IsEdited() const override { return bEdited; }
    TCompileOptions CompileOptions() const override { return Options; }
    void SetShowCompileForm(bool bShow) override { Options.bShowCompileBox = bShow; }

    TProjectDocument& Document;
    QStringList Statuses;
    QStringList Logs;
    int iSaves = 0;
    int iTitles = 0;
    bool bEdited = false;
    TCompileOptions Options;
    std::function<bool()> OnSaveAs;
};

QStringList Snapshot(const QString& sFolder) {
    QStringList entries;
    for (const QFileInfo& info : QDir(sFolder).entryInfoList(QDir::Files, QDir::Name))
        entries << info.fileName() + u' ' + QString::fromLatin1(ReadWholeFile(info.filePath()).toBase64());
    return entries;
}

class CompileCommandsTest : public ::testing::Test {
protected:
    void Open(const char* sCase) {
        const QDir source(QStringLiteral(BRISOLA_TEST_DATA_DIR "/compile/") + QLatin1String(sCase) +
                          QStringLiteral("/project"));
        for (const QString& sName : source.entryList(QDir::Files)) {
            QFile::copy(source.filePath(sName), Dir.filePath(sName));
            QFile(Dir.filePath(sName)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        ASSERT_TRUE(Document.Open(Dir.filePath(QStringLiteral("promo.zrj")))) << Document.GetLastError().toStdString();
    }
    bool Compile() { return Commands.CompileProject(InstanceRefs(Document.Project)); }
    QString PreviewPage() const { return Dir.filePath(QStringLiteral("promo_Preview.html")); }
    // Makes the project file newer or older than its compiled preview page.
    void Touch(const QString& sFile, int iSecondsFromNow) {
        QFile file(sFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(iSecondsFromNow), QFileDevice::FileModificationTime);
    }

    QTemporaryDir Dir;
    QTemporaryDir StoreDir;
    TScriptedServices Services{StoreDir.filePath(QStringLiteral("settings.ini"))};
    TProjectDocument Document;
    TScriptForm Script;
    QWidget Window;
    TTestCompileHost Host{Document};
    TCompileCommands Commands{Services, &Window, Host,
                              Document, Script,  QStringLiteral(BRISOLA_TEST_DATA_DIR "/compile/templates/")};
};

TEST_F(CompileCommandsTest, TheResultsDialogShowsTheTooltipIncludeAndItsCheckBoxIsWrittenBack) {
    Open("tooltip");
    Services.ExpectDialog(QStringLiteral("CompileForm"), [](QDialog& dialog) {
        auto& form = static_cast<TCompileForm&>(dialog);
        EXPECT_TRUE(form.ScriptBodyMemo->toPlainText().contains(
            QStringLiteral("<script type=\"text/javascript\" src=\"promo_ZEPtooltips.js\"></script>")));
        EXPECT_TRUE(form.OnMouseSyntaxMemo->toPlainText().startsWith(QStringLiteral("<a id=\"tt1\"")));
        EXPECT_TRUE(form.AnchorSyntaxMemo->toPlainText().isEmpty());
        EXPECT_TRUE(form.ShowFormBox->isChecked());
        QTest::mouseClick(form.ShowFormBox, Qt::LeftButton);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Host.iSaves, 1) << "auto save";
    EXPECT_FALSE(Host.Options.bShowCompileBox) << "the check box goes back into the option";
    EXPECT_TRUE(QFile::exists(PreviewPage()));
    EXPECT_EQ(Document.UpLoadIncludeList.size(), 3);
    EXPECT_EQ(Host.Statuses.last(), QStringLiteral("Compilation complete"));

    // With the option off the next compile shows no dialog.
    ASSERT_TRUE(Compile());
}

TEST_F(CompileCommandsTest, CancelOnTheSaveQuestionLeavesEveryFileUntouched) {
    Open("plain");
    Host.Options.bAutoSave = false;
    Host.bEdited = true;
    const QStringList before = Snapshot(Dir.path());
    Services.ExpectQuestion(QStringLiteral("Project will be saved before compilation"), QMessageBox::Cancel);
    EXPECT_FALSE(Compile());
    EXPECT_EQ(Snapshot(Dir.path()), before);
    EXPECT_EQ(Host.iSaves, 0);
}

TEST_F(CompileCommandsTest, ATemplateIsCompiledOnlyAfterItsSaveAs) {
    Open("plain");
    Document.Project.bTemplate = 1;
    const QString sQuestion = QStringLiteral("This file is a template - Please save as a project before compilation");
    Services.ExpectQuestion(sQuestion, QMessageBox::Cancel);
    EXPECT_FALSE(Compile());
    QTemporaryDir target;
    Host.Options.bShowCompileBox = false;
    Host.OnSaveAs = [&] { return Document.SaveAs(target.filePath(QStringLiteral("offer.zrj"))); };
    Services.ExpectQuestion(sQuestion, QMessageBox::Ok);
    ASSERT_TRUE(Compile());
    EXPECT_TRUE(QFile::exists(target.filePath(QStringLiteral("offer_Preview.html"))));
    EXPECT_FALSE(QFile::exists(PreviewPage()));
}

TEST_F(CompileCommandsTest, ViewingInTheBrowserChecksTheCompiledVersionFirst) {
    Open("plain");
    Services.ExpectQuestion(QStringLiteral("The project must be compiled to view in your default browser"),
                            QMessageBox::Ok);
    Commands.WebBtnClick();
    EXPECT_TRUE(Services.Opened.isEmpty());

    Host.Options.bShowCompileBox = false;
    ASSERT_TRUE(Compile());
    Commands.WebBtnClick();
    EXPECT_EQ(Services.Opened, QStringList{PreviewPage() + QStringLiteral(" | ") + Dir.path() + u'/'});

    Host.bEdited = true;
    Services.ExpectQuestion(QStringLiteral("The project has been edited.\r\nDo you wish to continue without saving?"),
                            QMessageBox::No);
    Commands.WebBtnClick();
    EXPECT_EQ(Services.Opened.size(), 1);

    Host.bEdited = false;
    Touch(PreviewPage(), -3600);
    Services.ExpectQuestion(QStringLiteral("The compiled version of this project is older than the project and may "
                                           "not be up to date.\r\nDo you wish to continue?"),
                            QMessageBox::Yes);
    Commands.WebBtnClick();
    EXPECT_EQ(Services.Opened.size(), 2);

    Document.Project.bTemplate = 1;
    Services.ExpectQuestion(QStringLiteral("The project must be saved and compiled to view in your default browser"),
                            QMessageBox::Ok);
    EXPECT_FALSE(Commands.CheckCompiledVersion(QStringLiteral("view in your default browser")));
}

} // namespace
