// The multi-popup, sequential layers and advanced option dialogs through the
// real main window: its buttons open the dialogs, and a confirmed dialog is
// written into the project and marks it edited.

#include "MainFormTestSupport.h"
#include "ProjectTestSupport.h"
#include "TAdvancedMethodsOptionsForm.h"
#include "TAdvancedReferenceOptionsForm.h"
#include "TEditorDocument.h"
#include "TMainActions.h"
#include "TMultiPopupModeForm.h"
#include "TMultiSequentialForm.h"
#include "TZEPProject.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

namespace {

class PopupCommandsInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
        ASSERT_EQ(Project().InstanceList.Count(), 1);
    }
    TZEPProject& Project() { return Form->CurrentProject(); }
    QTabBar& Tabs() { return *Form->findChild<QTabBar*>("InstanceTabs"); }
    bool Logged(const QString& sLine) const { return Env.LogLines().contains(sLine); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(PopupCommandsInWindow, TheMultipleInstancesButtonAddsAPopupAndOkSwitchesTheModeOn) {
    const QString sAdded = Env.Path("more/offer.zrj");
    ASSERT_TRUE(WriteSinglePopupProject(sAdded, "offer"));
    const QString sStartFolder = Form->AppSettings().sUserTemplatePath;
    Env.Services.ExpectDialog("MultiPopupModeForm", [this, sAdded](QDialog& dialog) {
        auto& form = static_cast<TMultiPopupModeForm&>(dialog);
        EXPECT_FALSE(form.EnableMultiplePopupBox->isChecked());
        form.EnableMultiplePopupBox->click();
        Env.Services.ExpectFileDialog("Open", sAdded);
        form.AddBtn->click();
        form.OKBtn->click();
    });
    Form->Actions().MultipleInstancesBtn->trigger();

    EXPECT_EQ(Env.Services.FileRequests.first().sStartFolder, sStartFolder);
    EXPECT_EQ(Project().bMultipleInstances, 1);
    ASSERT_EQ(Project().InstanceList.Count(), 2);
    EXPECT_EQ(Tabs().count(), 2);
    EXPECT_EQ(Tabs().tabText(1), "offer");
    EXPECT_FALSE(Tabs().isHidden()) << "the interface update shows the tab strip in multi-popup mode";
    EXPECT_EQ(Project().InstanceList.Instance(1).iInstanceID, 1);
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_TRUE(Form->windowTitle().endsWith(" (unsaved)"));
    EXPECT_EQ(QDir(Form->AppSettings().sUserTemplatePath), QDir(Env.Path("more")));
    EXPECT_TRUE(Logged("Multiple popup form edited from False to True"));

    QUndoStack& history = Form->Document().History();
    EXPECT_EQ(history.undoText(), "Change Popup Mode");
    history.undo();
    EXPECT_EQ(history.undoText(), "Add Popup");
    history.undo();
    EXPECT_EQ(Project().bMultipleInstances, 0);
    EXPECT_EQ(Project().InstanceList.Count(), 1);
    EXPECT_EQ(Tabs().count(), 1);
    EXPECT_FALSE(Form->IsEdited());
    history.redo();
    history.redo();
    EXPECT_EQ(Project().bMultipleInstances, 1);
    ASSERT_EQ(Tabs().count(), 2);
    EXPECT_EQ(Tabs().tabText(1), "offer");
    EXPECT_EQ(Project().InstanceList.Instance(1).sUniqueID, "offer");
}

TEST_F(PopupCommandsInWindow, DeletingTheSelectedPopupShowsTheLastOneInTheEditor) {
    const QStringList uids = {"offer", "survey"};
    for (const QString& sUid : uids)
        ASSERT_TRUE(WriteSinglePopupProject(Env.Path("more/" + sUid + ".zrj"), sUid));
    Env.Services.ExpectDialog("MultiPopupModeForm", [this, uids](QDialog& dialog) {
        auto& form = static_cast<TMultiPopupModeForm&>(dialog);
        form.EnableMultiplePopupBox->click();
        for (const QString& sUid : uids) {
            Env.Services.ExpectFileDialog("Open", Env.Path("more/" + sUid + ".zrj"));
            form.AddBtn->click();
        }
        Tabs().setCurrentIndex(0);
        form.EnableMultiplePopupBox->click(); // refreshes the labels for the selected tab
        const QString sFirst = Tabs().tabText(0);
        Env.Services.ExpectQuestion("You are about to delete instance <" + sFirst +
                                        ">.\r\nAre you sure you wish to continue?",
                                    QMessageBox::Yes);
        form.DeleteBtn->click();
        form.OKBtn->click();
    });
    Form->Actions().MultipleInstancesBtn->trigger();
    ASSERT_EQ(Tabs().count(), 2);
    EXPECT_EQ(Tabs().currentIndex(), 1);
    EXPECT_EQ(Tabs().tabText(1), "survey");
    EXPECT_EQ(Form->findChild<QLineEdit*>("UniqueIDEdit")->text(), "survey") << "the editor shows the last popup";

    QUndoStack& history = Form->Document().History();
    EXPECT_EQ(history.undoText(), "Change Popup Mode");
    history.undo();
    EXPECT_EQ(history.undoText(), "Delete Popup");
    history.undo();
    ASSERT_EQ(Tabs().count(), 3) << "the deleted popup is back";
    EXPECT_EQ(Project().InstanceList.Instance(1).sUniqueID, "offer");
    history.redo();
    EXPECT_EQ(Tabs().count(), 2);
    EXPECT_EQ(Project().InstanceList.Instance(1).sUniqueID, "survey");
}

TEST_F(PopupCommandsInWindow, CancelLeavesTheModeAndTheProjectAlone) {
    Env.Services.ExpectDialog("MultiPopupModeForm", [](QDialog& dialog) {
        auto& form = static_cast<TMultiPopupModeForm&>(dialog);
        form.EnableMultiplePopupBox->click();
        form.CancelBtn->click();
    });
    Form->Actions().MultipleInstancesBtn->trigger();
    EXPECT_EQ(Project().bMultipleInstances, 0);
    EXPECT_FALSE(Form->IsEdited());
}

TEST_F(PopupCommandsInWindow, TheSequentialButtonSwitchesLayersOnAndTakesTheDialogsLayers) {
    Env.Services.ExpectDialog("MultiSequentialForm", [](QDialog& dialog) {
        auto& form = static_cast<TMultiSequentialForm&>(dialog);
        form.EnableMultipleSequentialLayersBox->click();
        form.AddBtn->click();
        form.RotModeBox->click();
        form.OKBtn->click();
    });
    Form->Actions().SequentialInstancesBtn->trigger();
    const TZEPInstance& popup = Project().InstanceList.Instance(0);
    EXPECT_EQ(Project().bMultipleSequentialLayers, 1);
    ASSERT_EQ(popup.ContentStrings.Count(), 2);
    EXPECT_EQ(popup.ContentStrings.Item(1).sIndex, "zep_promo1");
    EXPECT_EQ(popup.bRotationMode, 1);
    EXPECT_EQ(Project().bDynamicContent, 1) << "layers need the content file, so the save keeps them";
    EXPECT_TRUE(Form->IsEdited());
    EXPECT_TRUE(Logged("Multiple sequential layer False to True"));
    QUndoStack& history = Form->Document().History();
    EXPECT_EQ(history.undoText(), "Change Layers");
    history.undo();
    EXPECT_EQ(Project().bMultipleSequentialLayers, 0);
    EXPECT_EQ(Project().InstanceList.Instance(0).ContentStrings.Count(), 1);
    EXPECT_FALSE(Form->IsEdited());
    history.redo();
    EXPECT_EQ(Project().bMultipleSequentialLayers, 1);
    EXPECT_EQ(Project().InstanceList.Instance(0).ContentStrings.Count(), 2);
    EXPECT_EQ(Project().InstanceList.Instance(0).bRotationMode, 1);

    Env.Services.ExpectDialog("MultiSequentialForm", [](QDialog& dialog) {
        auto& form = static_cast<TMultiSequentialForm&>(dialog);
        form.AddBtn->click();
        form.RotModeBox->click();
        form.CancelBtn->click();
    });
    Form->Actions().SequentialInstancesBtn->trigger();
    EXPECT_EQ(popup.ContentStrings.Count(), 2) << "Cancel discards the dialog's layers";
    EXPECT_EQ(popup.bRotationMode, 1);
}

TEST_F(PopupCommandsInWindow, TheAdvancedButtonsOfTheGroupsEditTheSelectedPopup) {
    Env.Services.ExpectDialog("AdvancedReferenceOptionsForm", [](QDialog& dialog) {
        auto& form = static_cast<TAdvancedReferenceOptionsForm&>(dialog);
        form.UseCustomBox->setChecked(true);
        form.UseCustomPathEdit->setText("https://cdn.example/img");
        form.OKBtn->click();
    });
    Env.Services.ExpectDialog("AdvancedMethodsOptionsForm", [](QDialog& dialog) {
        auto& form = static_cast<TAdvancedMethodsOptionsForm&>(dialog);
        form.SiteWideBox->setChecked(true);
        form.TryOnceEdit->setText("5");
        form.TryAgainEdit->setText("30");
        form.OKBtn->click();
    });
    Form->findChild<QPushButton*>("AdvancedReferenceBtn")->click();
    Form->findChild<QPushButton*>("AdvancedMethodsBtn")->click();
    const TZEPInstance& popup = Project().InstanceList.Instance(0);
    EXPECT_EQ(popup.bUseCustom, 1);
    EXPECT_EQ(popup.sCustomPath, "https://cdn.example/img");
    EXPECT_EQ(popup.bSiteWide, 1);
    EXPECT_EQ(popup.iTryOnce, 5);
    EXPECT_EQ(popup.iTryAgain, 30);
    EXPECT_TRUE(Form->IsEdited());
    QUndoStack& history = Form->Document().History();
    EXPECT_EQ(history.undoText(), "Change Advanced Options");
    history.undo();
    EXPECT_EQ(Project().InstanceList.Instance(0).bSiteWide, 0);
    EXPECT_EQ(Project().InstanceList.Instance(0).bUseCustom, 1) << "the other dialog's step stays";
}

} // namespace
