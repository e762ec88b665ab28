#include "MainFormTestSupport.h"

#include "TEditorDocument.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QString sTemplateCaption = QStringLiteral("Save project Template as project file...");
const QString sProjectCaption = QStringLiteral("Save project as...");

QString EditedQuestion(const QString& sStem) {
    return QStringLiteral("Project <") + sStem + QStringLiteral("> has been edited - Do you wish to save changes?");
}

QString Value(const QString& sFile, const char* sSection, const char* sKey) {
    return TProfileFile(sFile).ReadString(QLatin1String(sSection), QLatin1String(sKey), QStringLiteral("<absent>"));
}

// The main window on the start-up template, or on a project of its own.
class SaveAndCloseTest : public ::testing::Test {
protected:
    void StartOnTemplate() {
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
    }
    void StartOnProject() {
        TTestEnvironment::WriteProject(sProject, false);
        Form = Env.CreateMainForm({sProject});
        ASSERT_TRUE(Form);
    }
    // Tools > Options: "On close turn off audio" checked, OK.
    void TurnOffAudioInTheOptions() {
        Env.Services.ExpectDialog(QStringLiteral("OptionsForm"), [this](QDialog& dialog) {
            TOptionsControls(*Form).TurnOffAudioBox->setChecked(true);
            dialog.accept();
        });
        Form->ToolsBtnClick();
        ASSERT_TRUE(Form->IsEdited());
    }
    bool SettingsSaved() const { return QSettings(Env.StoreFile(), QSettings::IniFormat).contains("Width"); }
    QString UserFile(const QString& sName) const { return Env.Path(QStringLiteral("docs/Brisola/User/")) + sName; }

    TMainFormEnvironment Env;
    const QString sProject = Env.Path(QStringLiteral("promo.zrj"));
    std::unique_ptr<TMainForm> Form;
};

TEST_F(SaveAndCloseTest, ClosingAnEditedProjectWithYesWritesTheChangedOptionIntoTheProjectFile) {
    StartOnProject();
    ASSERT_EQ(Value(sProject, "OPTIONS", "TurnOffAudio"), QStringLiteral("<absent>"));
    TurnOffAudioInTheOptions();
    Env.Services.ExpectQuestion(EditedQuestion(QStringLiteral("promo")), QMessageBox::Yes);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Value(sProject, "OPTIONS", "TurnOffAudio"), QStringLiteral("1"));
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_TRUE(SettingsSaved());
    EXPECT_TRUE(Env.LogLines().contains(QStringLiteral("Status [Saved Project <") + sProject + QStringLiteral(">]")));
}

TEST_F(SaveAndCloseTest, TheOptionsAreOneStepThatUndoAndRedoShowInTheDialog) {
    StartOnProject();
    TurnOffAudioInTheOptions();
    QUndoStack& history = Form->Document().History();
    EXPECT_EQ(history.undoText(), QStringLiteral("Change Options"));
    history.undo();
    EXPECT_EQ(Form->CurrentProject().bTurnOffAudio, 0);
    EXPECT_FALSE(TOptionsControls(*Form).TurnOffAudioBox->isChecked());
    EXPECT_FALSE(Form->IsEdited());
    history.redo();
    EXPECT_EQ(Form->CurrentProject().bTurnOffAudio, 1);
    EXPECT_TRUE(TOptionsControls(*Form).TurnOffAudioBox->isChecked());
}

TEST_F(SaveAndCloseTest, CancelKeepsTheWindowOpenAndNoLeavesTheFileAsItWas) {
    StartOnProject();
    const QByteArray before = ReadWholeFile(sProject);
    TurnOffAudioInTheOptions();
    Env.Services.ExpectQuestion(EditedQuestion(QStringLiteral("promo")), QMessageBox::Cancel);
    EXPECT_FALSE(Form->close());
    EXPECT_FALSE(SettingsSaved()) << "a cancelled close saves nothing";
    Env.Services.ExpectQuestion(EditedQuestion(QStringLiteral("promo")), QMessageBox::No);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(ReadWholeFile(sProject), before);
    EXPECT_TRUE(SettingsSaved());
}

TEST_F(SaveAndCloseTest, YesOnANeverSavedTemplateWhoseSaveDialogIsCancelledKeepsTheWindowOpen) {
    StartOnTemplate();
    Form->findChild<QCheckBox*>(QStringLiteral("ScrollbarsBox"))->click();
    Env.Services.ExpectQuestion(EditedQuestion(QStringLiteral("Default")), QMessageBox::Yes);
    Env.Services.ExpectFileDialog(sTemplateCaption, QString());
    EXPECT_FALSE(Form->close()) << "the user cancelled saving: nothing may be lost silently";
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_FALSE(SettingsSaved());
    Env.Services.ExpectQuestion(EditedQuestion(QStringLiteral("Default")), QMessageBox::No);
    EXPECT_TRUE(Form->close());
}

TEST_F(SaveAndCloseTest, SaveOnATemplateSavesAsANewProjectThenSavesWithoutAsking) {
    StartOnTemplate();
    TurnOffAudioInTheOptions();
    const QString sMine = UserFile(QStringLiteral("mine.zrj"));
    Env.Services.ExpectFileDialog(sTemplateCaption, sMine);
    Form->Actions().SaveProjectMenu->trigger();
    ASSERT_EQ(Env.Services.FileRequests.size(), 1);
    const TFileDialogRequest& request = Env.Services.FileRequests.front();
    EXPECT_EQ(request.sStartFolder, UserFile(QString())) << "the base location of the options";
    EXPECT_EQ(request.sFilter, QStringLiteral("ZEP Project Files|*.zrj|All FIles|*.*"));
    EXPECT_EQ(request.sDefaultSuffix, QStringLiteral("zrj"));

    EXPECT_EQ(Value(sMine, "SYSTEM", "Template"), QStringLiteral("0"));
    EXPECT_EQ(Value(sMine, "OPTIONS", "TurnOffAudio"), QStringLiteral("1"));
    EXPECT_TRUE(QFile::exists(UserFile(QStringLiteral("mine.html"))));
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, sMine);
    EXPECT_EQ(Form->CurrentProject().bTemplate, 0);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - mine"));
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(Value(Env.TemplateFolder() + QStringLiteral("Default.zrj"), "SYSTEM", "Template"), QStringLiteral("1"));

    Form->findChild<QCheckBox*>(QStringLiteral("ScrollbarsBox"))->click();
    Form->Actions().SaveProjectMenu->trigger(); // no dialog now
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Brisola - V4.0 - mine"));
}

TEST_F(SaveAndCloseTest, SaveAsRefusesTheTemplateFolderInAnyCaseAndKeepsTheProjectName) {
    StartOnTemplate();
    const QString sInTemplates =
        QString(Env.TemplateFolder()).replace(QStringLiteral("/Templates/"), QStringLiteral("/TEMPLATES/")) +
        QStringLiteral("copy.zrj");
    Env.Services.ExpectFileDialog(sTemplateCaption, sInTemplates);
    Env.Services.ExpectQuestion(QStringLiteral("Project can not be saved in Template directory"), QMessageBox::Ok);
    Form->Actions().SaveProjectAsMenu->trigger();
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, Env.TemplateFolder() + QStringLiteral("Default.zrj"));
    EXPECT_FALSE(QFile::exists(sInTemplates));
}

TEST_F(SaveAndCloseTest, SaveAsOverAnExistingFileAsksFirst) {
    StartOnProject();
    const QString sOther = Env.Path(QStringLiteral("other.zrj"));
    QFile existing(sOther);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    const QString sQuestion = QStringLiteral("File <") + sOther + QStringLiteral("> already exists - Overwrite?");

    Env.Services.ExpectFileDialog(sProjectCaption, sOther);
    Env.Services.ExpectQuestion(sQuestion, QMessageBox::No);
    Form->Actions().SaveProjectAsMenu->trigger();
    EXPECT_EQ(ReadWholeFile(sOther), "keep");
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, sProject);

    Env.Services.ExpectFileDialog(sProjectCaption, sOther);
    Env.Services.ExpectQuestion(sQuestion, QMessageBox::Yes);
    Form->Actions().SaveProjectAsMenu->trigger();
    EXPECT_EQ(Value(sOther, "REFERENCE", "UniqueID"), QStringLiteral("promo"));
    EXPECT_EQ(Form->CurrentProject().sFullProjectName, sOther);
}

TEST_F(SaveAndCloseTest, AFailedSaveShowsWhyAndTheProjectStaysEdited) {
    StartOnProject();
    TurnOffAudioInTheOptions();
    ASSERT_TRUE(QFile::remove(sProject));
    ASSERT_TRUE(QDir().mkdir(sProject)); // a folder where the project file belongs
    Env.Services.ExpectQuestion(
        QStringLiteral("Unable to read <") + sProject + QStringLiteral(">: it is not a regular file"), QMessageBox::Ok);
    Form->Actions().SaveProjectMenu->trigger();
    EXPECT_TRUE(Form->IsEdited());
}

} // namespace
