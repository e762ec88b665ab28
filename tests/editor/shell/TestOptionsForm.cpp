#include "MainFormTestSupport.h"

#include "TOptionsForm.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

const QString sFolderCaption = QStringLiteral("Please select or create a folder:");

class OptionsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
        Controls = std::make_unique<TOptionsControls>(*Form);
        Options = Controls.get();
    }
    // Opens the dialog through the main window's command, changes it while it
    // is shown, and closes it with OK or Cancel.
    void RunDialog(const std::function<void()>& change, bool bOk) {
        Env.Services.ExpectDialog(QStringLiteral("OptionsForm"), [change, bOk](QDialog& dialog) {
            change();
            bOk ? dialog.accept() : dialog.reject();
        });
        Form->ToolsBtnClick();
    }
    int CountLog(const QString& sLine) const { return int(Env.LogLines().count(sLine)); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
    std::unique_ptr<TOptionsControls> Controls;
    TOptionsControls* Options = nullptr;
};

TEST_F(OptionsFormTest, DynamicContentChecksAndLocksIncludeDynamicFunctions) {
    RunDialog(
        [this] {
            Options->IncludeDynamicFunctionsBox->setChecked(false);
            Options->DynamicContentBox->click();
            EXPECT_TRUE(Options->IncludeDynamicFunctionsBox->isChecked());
            EXPECT_FALSE(Options->IncludeDynamicFunctionsBox->isEnabled());
            Options->DynamicContentBox->click();
            EXPECT_TRUE(Options->IncludeDynamicFunctionsBox->isEnabled());
            EXPECT_TRUE(Options->IncludeDynamicFunctionsBox->isChecked()) << "unlocked but still checked";
        },
        true);
}

TEST_F(OptionsFormTest, AChangedCompileOptionWithOkMarksTheProjectEditedAndIsLogged) {
    ASSERT_FALSE(Form->IsEdited());
    RunDialog([this] { Options->TurnOffAudioBox->setChecked(true); }, true);
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_EQ(Form->CurrentProject().bTurnOffAudio, 1);
    EXPECT_TRUE(Form->windowTitle().endsWith(QStringLiteral(" (unsaved)")));
    EXPECT_EQ(CountLog(QStringLiteral("Options edited")), 1);

    RunDialog([this] { Options->InitialisationOptionsBox->setCurrentIndex(2); }, true);
    EXPECT_EQ(Form->CurrentProject().InitialisationOption, ioNoInitialisation);
    EXPECT_EQ(CountLog(QStringLiteral("Options edited")), 2);
}

TEST_F(OptionsFormTest, AChangedShowCompileFormMarksNothing) {
    RunDialog([this] { Options->ShowCompileBox->setChecked(!Options->ShowCompileBox->isChecked()); }, true);
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(CountLog(QStringLiteral("Options edited")), 0);
}

TEST_F(OptionsFormTest, CancelRestoresEveryControlIncludingTheBaseFolder) {
    const QString sFolder = Options->BaseLocationEdit->text();
    const bool bAutoSave = Options->AutoSaveBox->isChecked();
    const bool bShowCompile = Options->ShowCompileBox->isChecked();
    const int iFrequency = Options->UpdateFrequencyListBox->currentRow();
    RunDialog(
        [this] {
            Env.Services.ExpectFileDialog(sFolderCaption, Env.Path(QStringLiteral("elsewhere")));
            QTest::mouseClick(Options->BrowseBtn, Qt::LeftButton);
            EXPECT_EQ(Options->BaseLocationEdit->text(), Env.Path(QStringLiteral("elsewhere")));
            Options->AutoSaveBox->toggle();
            Options->ShowCompileBox->toggle();
            Options->DeleteLogBox->toggle();
            Options->DynamicContentBox->setChecked(true);
            Options->CoverBoxesBox->setChecked(true);
            Options->OnePopupPerPageBox->setChecked(true);
            Options->InitialisationOptionsBox->setCurrentIndex(1);
            Options->UpdateFrequencyListBox->setCurrentRow(0);
        },
        false);
    EXPECT_EQ(Options->BaseLocationEdit->text(), sFolder);
    EXPECT_EQ(Options->AutoSaveBox->isChecked(), bAutoSave);
    EXPECT_EQ(Options->ShowCompileBox->isChecked(), bShowCompile);
    EXPECT_FALSE(Options->DeleteLogBox->isChecked());
    EXPECT_FALSE(Options->DynamicContentBox->isChecked());
    EXPECT_TRUE(Options->IncludeDynamicFunctionsBox->isEnabled());
    EXPECT_FALSE(Options->CoverBoxesBox->isChecked());
    EXPECT_FALSE(Options->OnePopupPerPageBox->isChecked());
    EXPECT_EQ(Options->InitialisationOptionsBox->currentIndex(), 0);
    EXPECT_EQ(Options->UpdateFrequencyListBox->currentRow(), iFrequency);
    EXPECT_FALSE(Form->IsEdited());
}

TEST_F(OptionsFormTest, OkWithANewBaseFolderMovesTheProjectDialogsThere) {
    RunDialog(
        [this] {
            Env.Services.ExpectFileDialog(sFolderCaption, Env.Path(QStringLiteral("sites")));
            QTest::mouseClick(Options->BrowseBtn, Qt::LeftButton);
        },
        true);
    EXPECT_EQ(Form->AppSettings().sDefaultProjectDir, Env.Path(QStringLiteral("sites")));
    EXPECT_FALSE(Form->IsEdited()) << "the base folder is an application setting";
}

TEST_F(OptionsFormTest, ProjectOptionsTravelBetweenProjectAndDialog) {
    TZEPProject& project = Form->CurrentProject();
    project.bIncludeDynamicFunctions = 1;
    project.bDynamicContent = 0;
    project.bTurnOffAudio = 1;
    project.bCoverBoxes = 1;
    project.bStrictCSP = 1;
    project.InitialisationOption = ioRunImmediately;
    project.bOnePopupPerPage = 1;
    Form->UpdateOptionsFromProject();
    EXPECT_FALSE(Form->IsUpdating());
    EXPECT_TRUE(Options->IncludeDynamicFunctionsBox->isChecked());
    EXPECT_FALSE(Options->DynamicContentBox->isChecked());
    EXPECT_TRUE(Options->TurnOffAudioBox->isChecked());
    EXPECT_TRUE(Options->CoverBoxesBox->isChecked());
    EXPECT_TRUE(Options->StrictCSPBox->isChecked());
    EXPECT_EQ(Options->StrictCSPBox->text(), "Links without inline script (strict Content Security Policy)");
    EXPECT_EQ(Options->InitialisationOptionsBox->currentIndex(), 1);
    EXPECT_EQ(Options->OnePopupPerPageBox->text(), QStringLiteral("Show at most one popup per page view"));
    EXPECT_TRUE(Options->OnePopupPerPageBox->isChecked());

    Options->CoverBoxesBox->setChecked(false);
    Options->OnePopupPerPageBox->setChecked(false);
    Options->StrictCSPBox->setChecked(false);
    Form->UpdateProjectFromOptions();
    EXPECT_EQ(project.bCoverBoxes, 0);
    EXPECT_EQ(project.bOnePopupPerPage, 0);
    EXPECT_EQ(project.bStrictCSP, 0);
    EXPECT_EQ(project.bTurnOffAudio, 1);
    EXPECT_EQ(project.InitialisationOption, ioRunImmediately);
}

} // namespace
