#include "ProjectTestSupport.h"
#include "SequentialLayerRules.h"
#include "TFormatGrid.h"
#include "THTMLEditForm.h"
#include "TMultiSequentialForm.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The popup offer (manual location) with layers 1 and 3, in a project of two popups.
class MultiSequential : public ::testing::Test {
protected:
    void SetUp() override {
        Popup = &Project.InstanceList.Add(NewPopup(Project, "offer"));
        Project.InstanceList.Add(NewPopup(Project, "other"));
        for (int iID : {1, 3})
            Popup->ContentStrings.AddContent(*Popup, "\"layer " + QString::number(iID) + "\"", Popup->GetContentIndex(),
                                             iID);
    }
    int Run(bool bMode, const std::function<void()>& action, QPushButton* closeButton) {
        Script.ExpectDialogRun("MultiSequentialForm", action, closeButton);
        return Form.ShowModal(bMode, Project, *Popup);
    }
    QStringList Column(int iColumn) const {
        QStringList texts;
        for (int i = 0; i < Form.ContentTable->rowCount(); ++i)
            texts << Form.ContentTable->CellText(i, iColumn);
        return texts;
    }
    void SelectRow(int iRow) { Form.ContentTable->setCurrentCell(iRow, 0); }
    // A click, then the double click as the window system delivers it to the grid.
    void DoubleClickRow(int iRow) {
        QWidget* viewport = Form.ContentTable->viewport();
        const QPoint at = Form.ContentTable->visualItemRect(Form.ContentTable->item(iRow, 1)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                                Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &doubleClick);
    }
    // Double-clicks the row of a further layer; edit runs inside the string editor, which is then closed.
    void EditRow(int iRow, const std::function<void(THTMLEditForm&)>& edit, bool bOk) {
        Services.ExpectDialog("HTMLEditForm", [this, edit, bOk](QDialog&) {
            edit(*Form.HTMLEditForm);
            (bOk ? Form.HTMLEditForm->OKBtn : Form.HTMLEditForm->CancelBtn)->click();
        });
        DoubleClickRow(iRow);
    }

    TZEPProject Project;
    TZEPInstance* Popup = nullptr;
    QTemporaryDir Dir;
    TScriptedServices Services{Dir.filePath("store.ini")};
    TDialogScript Script{Services};
    TMultiSequentialForm Form{Services};
};

TEST_F(MultiSequential, CaptionsHeightsAndTheGridOfLayers) {
    Run(
        true,
        [this] {
            EXPECT_EQ(Form.windowTitle(), "Multiple Sequential Layers");
            EXPECT_EQ(Form.height(), 640);
            EXPECT_TRUE(Form.EditingGroup->isVisible());
            EXPECT_EQ(Form.GroupBox1->title(), " Multiple Sequential Layer Generation ");
            EXPECT_EQ(Form.EditingGroup->title(), " Multiple Content Management  ");
            EXPECT_EQ(Form.ContentTable->horizontalHeaderItem(0)->text(), "Content Type");
            EXPECT_EQ(Form.ContentTable->horizontalHeaderItem(1)->text(), "Content HTML string");
            EXPECT_EQ(Form.ContentTable->columnWidth(0), 120);
            EXPECT_EQ(Form.ContentTable->columnWidth(1), 640);
            EXPECT_EQ(Column(0), (QStringList{"zep_offer", "zep_offer1", "zep_offer3"}));
            EXPECT_EQ(Column(1)[1], "zep_offer1=\"layer 1\"");
            EXPECT_EQ(Form.ContentEditGroup->title(), " Content Options for zep_offer ");
            EXPECT_FALSE(Form.DeleteBtn->isEnabled()) << "the main content cannot be deleted";
            EXPECT_FALSE(Form.EnableMultipleSequentialLayersBox->isEnabled()) << "locked while layers exist";
            EXPECT_FALSE(Form.WidthEdit->isEnabled());
            EXPECT_TRUE(Form.LinkTextEdit->isEnabled());
            for (int iColumn : {0, 1})
                EXPECT_FALSE(Form.ContentTable->ColumnFeature(iColumn)->bEditable) << "no in-place editing";
            SelectRow(1);
            // A screen reader announces the edit group by its own caption, not by the group around it.
            EXPECT_EQ(QAccessible::queryAccessibleInterface(Form.ContentEditGroup)->text(QAccessible::Name),
                      " Content Options for zep_offer1 ");
            EXPECT_TRUE(Form.DeleteBtn->isEnabled());
            EXPECT_TRUE(Form.WidthEdit->isEnabled());
            EXPECT_TRUE(Form.RelativPositionBox->isVisible()) << "a manual popup places layers by left and top";
            EXPECT_FALSE(Form.LocationListBox->isVisible());
            EXPECT_TRUE(Form.LinkMemo->toPlainText().startsWith("QEL.zep.zepHide('offer');QEL.zep.zepSize('offer', "
                                                                "300, 200);QEL.zep.zepContent('offer', zep_offer1);"));
        },
        Form.CancelBtn);
}

TEST_F(MultiSequential, AddTakesTheFreeNumberAndDeleteGivesItBack) {
    Script.ExpectQuestion("Are you sure you wish to delete content zep_offer2", QMessageBox::No);
    Script.ExpectQuestion("Are you sure you wish to delete content zep_offer2", QMessageBox::Yes);
    Run(
        true,
        [this] {
            Form.AddBtn->click();
            EXPECT_EQ(Column(0), (QStringList{"zep_offer", "zep_offer1", "zep_offer3", "zep_offer2"}));
            EXPECT_EQ(Column(1)[3], "zep_offer2=\"<p>offer</p> \"") << "a copy of the main content";
            SelectRow(3);
            EXPECT_EQ(Form.WidthEdit->text(), "300");
            EXPECT_EQ(Form.TopEdit->text(), "20");
            EXPECT_EQ(Form.LinkTextEdit->text(), "");
            Form.DeleteBtn->click();
            EXPECT_EQ(Form.Content().Count(), 4);
            Form.DeleteBtn->click();
            EXPECT_EQ(Column(0), (QStringList{"zep_offer", "zep_offer1", "zep_offer3"}));
            Form.AddBtn->click();
            EXPECT_EQ(Column(0).last(), "zep_offer2");
        },
        Form.OKBtn);
    EXPECT_EQ(Form.Content().Count(), 4);
}

TEST_F(MultiSequential, SetStoresTheFieldsAndSetAllGivesEveryLayerTheSame) {
    Script.ExpectQuestion("This will overwrite all existing content\r\nAre you sure?", QMessageBox::Yes);
    Run(
        true,
        [this] {
            SelectRow(1);
            Form.WidthEdit->setText("150");
            Form.LinkTextEdit->setText("  One  ");
            SelectRow(2);
            EXPECT_EQ(Form.WidthEdit->text(), "300") << "edits not stored with Set are lost";
            SelectRow(1);
            EXPECT_EQ(Form.WidthEdit->text(), "300");
            Form.WidthEdit->setText("150");
            Form.LinkTextEdit->setText("  One  ");
            Form.SetBtn->click();
            EXPECT_EQ(Form.LinkTextEdit->text(), "One");
            SelectRow(0);
            Form.LinkTextEdit->setText("Main");
            Form.SetBtn->click();

            SelectRow(2);
            Form.WidthEdit->setText("90");
            Form.HeightEdit->setText("80");
            Form.LeftEdit->setText("7");
            Form.TopEdit->setText("6");
            Form.RelativPositionBox->setChecked(false);
            Form.LinkTextEdit->setText("All");
            Form.SetAllBtn->click();
        },
        Form.OKBtn);
    const TContentList& content = Form.Content();
    for (int i = 0; i < content.Count(); ++i) {
        const TContentItem& item = content.Item(i);
        EXPECT_EQ(item.sAPISpecificLinkText, "All") << item.sIndex.toStdString();
        EXPECT_EQ(item.iAPIWidth, item.iLID == 0 ? 300 : 90) << "the main content keeps the main window's size";
        EXPECT_EQ(item.iAPILeft, item.iLID == 0 ? 30 : 7);
    }
}

TEST_F(MultiSequential, OkKeepsALayersStoredPlaceThatIsLongerThanTheFieldsTake) {
    TContentItem& layer = Popup->ContentStrings.Item(Popup->ContentStrings.FindContentIndex(3));
    layer.iAPILeft = -12000;
    layer.iAPIWidth = 20480;
    Run(
        true,
        [this] {
            SelectRow(2);
            QTest::keyClicks(Form.HeightEdit, "12345");
            EXPECT_EQ(Form.HeightEdit->text().size(), 4) << "typing stops at four digits";
        },
        Form.OKBtn);
    const TContentItem& stored = Form.Content().Item(Form.Content().FindContentIndex(3));
    EXPECT_EQ(stored.iAPILeft, -12000);
    EXPECT_EQ(stored.iAPIWidth, 20480);
}

TEST_F(MultiSequential, RelativePositioningZeroesLeftAndTopAndAFixedLocationOffersTheList) {
    Popup->Location = ltCentre;
    Run(
        true,
        [this] {
            SelectRow(1);
            EXPECT_TRUE(Form.LocationListBox->isVisible());
            EXPECT_FALSE(Form.RelativPositionBox->isVisible());
            EXPECT_FALSE(Form.LeftEdit->isEnabled());
            EXPECT_EQ(Form.LocationListBox->currentIndex(), -1) << "\"Manual\" is not a layer location";
            Form.LocationListBox->setCurrentText("Bottom left");
            Form.SetBtn->click();
        },
        Form.OKBtn);
    EXPECT_EQ(Form.Content().Item(1).APILocation, ltBottomLeft);

    Popup->Location = ltManual;
    Run(
        true,
        [this] {
            SelectRow(1);
            Form.LeftEdit->setText("40");
            Form.TopEdit->setText("50");
            Form.RelativPositionBox->click();
            EXPECT_EQ(Form.LeftEdit->text(), "0");
            EXPECT_EQ(Form.TopEdit->text(), "0");
        },
        Form.OKBtn);
    EXPECT_EQ(Form.Content().Item(1).bAPIRelativePositioning, 1);
    EXPECT_EQ(Form.Content().Item(1).iAPILeft, 0);
}

TEST_F(MultiSequential, TheContentStringEditorKeepsOneLine) {
    Run(
        true,
        [this] {
            DoubleClickRow(0);
            EXPECT_FALSE(Form.HTMLEditForm->isVisible()) << "the main content is edited in the main window";
            EditRow(
                1,
                [](THTMLEditForm& editor) {
                    EXPECT_EQ(editor.windowTitle(), "Content string for content zep_offer1");
                    EXPECT_EQ(editor.HTMLEditMemo->toPlainText(), "\"layer 1\"");
                    editor.HTMLEditMemo->moveCursor(QTextCursor::End);
                    QTest::keyClick(editor.HTMLEditMemo, Qt::Key_Return);
                    QApplication::clipboard()->setText(" <b>x</b>\r\n<i>y</i>\n");
                    editor.HTMLEditMemo->paste();
                },
                true);
            EditRow(
                2, [](THTMLEditForm& editor) { editor.HTMLEditMemo->setPlainText("ignored"); }, false);
        },
        Form.OKBtn);
    EXPECT_EQ(Form.Content().Item(1).sHTML, "\"layer 1\" <b>x</b> <i>y</i>");
    EXPECT_EQ(Form.Content().Line(1), "zep_offer1=\"layer 1\" <b>x</b> <i>y</i>");
    EXPECT_EQ(Form.Content().Item(2).sHTML, "\"layer 3\"") << "a cancelled editor changes nothing";
}

TEST_F(MultiSequential, SwitchingOnMakesTheImageLinkTheMainLinkText) {
    for (int iID : {1, 3})
        Popup->ContentStrings.RemoveContent(iID);
    Popup->sImageLink = "btn.gif";
    Run(
        false,
        [this] {
            EXPECT_EQ(Form.height(), 169);
            EXPECT_FALSE(Form.EditingGroup->isVisible());
            EXPECT_TRUE(Form.EnableMultipleSequentialLayersBox->isEnabled());
            Form.EnableMultipleSequentialLayersBox->click();
            EXPECT_EQ(Form.height(), 640);
            EXPECT_EQ(Form.LinkTextEdit->text(), "<img style=\"border-style:none\" src=\"btn.gif\" />");
            Form.AddBtn->click();
            EXPECT_FALSE(Form.EnableMultipleSequentialLayersBox->isEnabled()) << "a second layer locks the switch";
        },
        Form.OKBtn);
    EXPECT_TRUE(Form.IsSwitchOn());
    EXPECT_EQ(Form.Content().Item(0).sAPISpecificLinkText, "<img style=\"border-style:none\" src=\"btn.gif\" />");
}

TEST_F(MultiSequential, SwitchingOnWithLayersLeavesTheLinkTextsAndAnotherPopupsLayersLockTheSwitch) {
    Popup->sImageLink = "btn.gif";
    Popup->ContentStrings.Item(0).sAPISpecificLinkText = "Main link";
    Run(
        false, [this] { Form.EnableMultipleSequentialLayersBox->click(); }, Form.OKBtn);
    EXPECT_EQ(Form.Content().Item(0).sAPISpecificLinkText, "Main link");

    TZEPInstance& other = Project.InstanceList.Instance(1);
    other.ContentStrings.AddContent(other, "\"x\"", other.GetContentIndex(), 1);
    Popup->ContentStrings.RemoveContent(1);
    Popup->ContentStrings.RemoveContent(3);
    Run(
        true, [this] { EXPECT_FALSE(Form.EnableMultipleSequentialLayersBox->isEnabled()); }, Form.CancelBtn);
}

TEST_F(MultiSequential, OkWritesRotationAndCancelDiscardsEverything) {
    Run(
        true,
        [this] {
            Form.RotModeBox->click();
            Form.AddBtn->click();
            EXPECT_TRUE(Form.RotModeBox->isChecked()) << "refreshing the grid keeps the box as the user set it";
        },
        Form.CancelBtn);
    EXPECT_EQ(Popup->bRotationMode, 0);
    EXPECT_EQ(Popup->ContentStrings.Count(), 3) << "the dialog works on a copy";
    EXPECT_EQ(Run(
                  true, [this] { Form.RotModeBox->click(); }, Form.OKBtn),
              QDialog::Accepted);
    EXPECT_EQ(Popup->bRotationMode, 1);
}

TEST_F(MultiSequential, WithoutAMainContentTheDialogReportsAndCloses) {
    Popup->ContentStrings.RemoveContent(0);
    Services.ExpectQuestion("Content missing or corrupted", QMessageBox::Cancel);
    EXPECT_EQ(Form.ShowModal(true, Project, *Popup), QDialog::Rejected);
}

} // namespace
