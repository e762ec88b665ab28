#include "MainFormTestSupport.h"
#include "ProjectTestFiles.h"
#include "TCompileForm.h"
#include "TOptionsForm.h"
#include "TZEPProject.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class CompileFromEditorTest : public ::testing::Test {
protected:
    void Start(const QStringList& arguments = {}) {
        Form = Env.CreateMainForm(arguments);
        ASSERT_TRUE(Form);
    }
    // The results dialog: checks the script includes, then leaves it with OK
    // after setting "Show this form every time".
    void ExpectResults(bool bShowNextTime) {
        Env.Services.ExpectDialog(QStringLiteral("CompileForm"), [bShowNextTime](QDialog& dialog) {
            auto& form = static_cast<TCompileForm&>(dialog);
            EXPECT_TRUE(form.ScriptBodyMemo->toPlainText().contains(QStringLiteral("_zeplib.js")));
            form.ShowFormBox->setChecked(bShowNextTime);
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        });
    }
    QString User(const QString& sName) const { return Env.Path(QStringLiteral("docs/Brisola/User/")) + sName; }

    // The instance editor's "Reference" group.
    QGroupBox& Reference() const { return *FindByAccessibleName<QGroupBox>(*Form, QStringLiteral("Reference")); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(CompileFromEditorTest, ATemplateIsSavedAsAProjectFirstAndTheDialogsCheckBoxGoesIntoTheOptions) {
    Start();
    Env.Services.ExpectQuestion(QStringLiteral("This file is a template - Please save as a project before compilation"),
                                QMessageBox::Ok);
    Env.Services.ExpectFileDialog(QStringLiteral("Save project Template as project file..."),
                                  User(QStringLiteral("offer.zrj")));
    ExpectResults(false);
    Form->Actions().CompileMenu->trigger();
    for (const char* sFile : {"offer.zrj", "offer_zeplib.js", "offer.js", "offer_Preview.html"})
        EXPECT_TRUE(QFile::exists(User(QLatin1String(sFile)))) << sFile;
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - offer"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Compilation complete"));
    EXPECT_FALSE(Form->OptionsForm().ApplicationOptions().bShowCompile);
}

TEST_F(CompileFromEditorTest, AnEditedProjectIsSavedWithoutAQuestionAndItsPreviewOpensInTheBrowser) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    TTestEnvironment::WriteProject(sProject, false);
    Start({sProject});
    ASSERT_TRUE(FindByAccessibleName<QCheckBox>(Reference(), QStringLiteral("Title:"))->isChecked());
    TypeOver(FindByAccessibleName<QLineEdit>(Reference(), QStringLiteral("Title:")), QStringLiteral("Autumn offer"));
    ASSERT_TRUE(Form->IsEdited());
    ExpectResults(true);
    Form->Actions().CompileMenu->trigger();
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - promo"));
    EXPECT_TRUE(ReadWholeFile(Env.Path(QStringLiteral("promo.js"))).contains("Autumn offer"));
    EXPECT_TRUE(Env.LogLines().contains(QStringLiteral("Status [Saved Project <") + sProject + QStringLiteral(">]")));

    Form->Actions().ViewInBrowserMenu->trigger();
    const QString sFolder = Env.Path(QString()) + u'/';
    EXPECT_EQ(Env.Services.Opened, QStringList{sFolder + QStringLiteral("promo_Preview.html | ") + sFolder});
}

TEST_F(CompileFromEditorTest, ClosingTheResultsDialogWithoutOKLeavesTheOption) {
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    TTestEnvironment::WriteProject(sProject, false);
    Start({sProject});
    ASSERT_TRUE(Form->OptionsForm().ApplicationOptions().bShowCompile);
    Env.Services.ExpectDialog(QStringLiteral("CompileForm"), [](QDialog& dialog) {
        static_cast<TCompileForm&>(dialog).ShowFormBox->setChecked(false);
        dialog.close();
    });
    Form->Actions().CompileMenu->trigger();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Compilation complete"));
    EXPECT_TRUE(Form->OptionsForm().ApplicationOptions().bShowCompile);
}

TEST_F(CompileFromEditorTest, TheResultsDialogKeepsItsPlaceAcrossARestart) {
    Start();
    Form->CompileForm().move(123, 145);
    ASSERT_TRUE(Form->close());
    const QSettings store(Env.StoreFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value("CompileResultsLeft").toInt(), 123);
    EXPECT_EQ(store.value("CompileResultsTop").toInt(), 145);
    Form.reset();
    Start();
    EXPECT_EQ(Form->CompileForm().pos(), QPoint(123, 145));
}

} // namespace
