// The change history through the real main window: Edit > Undo and Redo with
// the step's name, the saved state's mark, the History panel, and clicks that
// come right after typing or while a preview is being made.
#include "EditorWindowFixture.h"

#include "LoopWait.h"
#include "TEditCommands.h"
#include "TEditorDocument.h"
#include "THistoryCommands.h"
#include "TMainActions.h"
#include "TZEPInstance.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <QUndoView>
#include <QtTest/QTest>

namespace {

class HistoryInWindowTest : public EditorWindowTest {
protected:
    void SetUp() override { StartOn(QStringLiteral("Default")); }
    QAction* Undo() { return Form->EditCommands().Action(TEditCommands::ecUndo); }
    QAction* Redo() { return Form->EditCommands().Action(TEditCommands::ecRedo); }
    TZEPInstance& Popup() { return *Form->CurrentInstance(); }
    static void TypeInto(QLineEdit* field, const QString& sText) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, sText);
    }
};

TEST_F(HistoryInWindowTest, UndoAndRedoOfATypedTitleNameTheStepAndRestoreEverything) {
    QLineEdit* title = Find<QLineEdit>(QStringLiteral("Title:"));
    const QString sBefore = title->text();
    EXPECT_FALSE(Undo()->isEnabled()) << "a project just opened has nothing to undo";
    TypeInto(title, QStringLiteral("Spring sale"));
    EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Change Title"));
    Undo()->trigger();
    EXPECT_EQ(title->text(), sBefore);
    EXPECT_EQ(Popup().sTitle, sBefore);
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_EQ(Redo()->text(), QStringLiteral("Redo Change Title"));
    Redo()->trigger();
    EXPECT_EQ(title->text(), QStringLiteral("Spring sale"));
    EXPECT_EQ(Popup().sTitle, QStringLiteral("Spring sale"));
    EXPECT_TRUE(Form->windowTitle().endsWith(QStringLiteral(" (unsaved)")));
}

TEST_F(HistoryInWindowTest, TheKeysWalkTheHistoryFromInsideATextField) {
    QLineEdit* title = Find<QLineEdit>(QStringLiteral("Title:"));
    const QString sBefore = title->text();
    Form->show();
    QApplication::setActiveWindow(Form.get());
    TypeInto(title, QStringLiteral("abc"));
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(title->text(), sBefore) << "Ctrl+Z takes back the whole step, not one keystroke";
    QTest::keyClick(title, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(title->text(), QStringLiteral("abc"));
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Popup().sTitle, QStringLiteral("abc"));
}

TEST_F(HistoryInWindowTest, ThreeChangesAreUndoneAndRedoneInOrder) {
    QCheckBox* scrollbars = Find<QCheckBox>(QStringLiteral("Scrollbars"));
    QComboBox* entry = Find<QComboBox>(QStringLiteral("Entry effect"));
    QLineEdit* colour = Find<QLineEdit>(QStringLiteral("Border colour"));
    const bool bScrollbars = scrollbars->isChecked();
    const int iEntry = entry->currentIndex();
    const QString sColour = colour->text();
    scrollbars->click();
    entry->setCurrentIndex(iEntry == 1 ? 2 : 1);
    TypeInto(colour, QStringLiteral("123456"));
    const QStringList steps = {QStringLiteral("Change Border colour"), QStringLiteral("Change Entry effect"),
                               QStringLiteral("Change Scrollbars")};
    for (const QString& sStep : steps) {
        EXPECT_EQ(Undo()->text(), QStringLiteral("Undo ") + sStep);
        Undo()->trigger();
    }
    EXPECT_EQ(scrollbars->isChecked(), bScrollbars);
    EXPECT_EQ(entry->currentIndex(), iEntry);
    EXPECT_EQ(colour->text(), sColour);
    EXPECT_FALSE(Undo()->isEnabled());
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        EXPECT_EQ(Redo()->text(), QStringLiteral("Redo ") + *step);
        Redo()->trigger();
    }
    EXPECT_NE(scrollbars->isChecked(), bScrollbars);
    EXPECT_EQ(Popup().BorderColour, 0x563412u);
    EXPECT_EQ(colour->text(), QStringLiteral("123456"));
}

TEST_F(HistoryInWindowTest, UndoingToTheSavedStateTakesTheMarkAway) {
    const QString sProject = Env.Path(QStringLiteral("site/promo.zrj"));
    QDir().mkpath(Env.Path(QStringLiteral("site")));
    TTestEnvironment::WriteProject(sProject, false);
    Form = Env.CreateMainForm({sProject});
    ASSERT_TRUE(Form);
    Find<QCheckBox>(QStringLiteral("Scrollbars"))->click();
    Form->Actions().SaveProjectMenu->trigger();
    const QString sSaved = Form->windowTitle();
    EXPECT_FALSE(sSaved.endsWith(QStringLiteral(" (unsaved)")));
    Find<QCheckBox>(QStringLiteral("Padding:"))->click();
    EXPECT_EQ(Form->windowTitle(), sSaved + QStringLiteral(" (unsaved)"));
    Undo()->trigger();
    EXPECT_EQ(Form->windowTitle(), sSaved) << "back at the saved state";
    EXPECT_FALSE(Form->IsEdited());
    Undo()->trigger();
    EXPECT_EQ(Form->windowTitle(), sSaved + QStringLiteral(" (unsaved)")) << "past the saved state";
    EXPECT_TRUE(Form->IsEdited());
}

TEST_F(HistoryInWindowTest, TheHistoryPanelListsTheStepsAndGoesToTheChosenOne) {
    QCheckBox* scrollbars = Find<QCheckBox>(QStringLiteral("Scrollbars"));
    const bool bScrollbars = scrollbars->isChecked();
    scrollbars->click();
    TypeInto(Find<QLineEdit>(QStringLiteral("Title:")), QStringLiteral("Hi"));
    Form->Actions().HistoryMenu->trigger();
    QDialog* panel = Form->History().HistoryPanel();
    ASSERT_TRUE(panel && panel->isVisible());
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("History"));
    auto* list = panel->findChild<QUndoView*>();
    ASSERT_EQ(list->model()->rowCount(), 3) << "the opened state and two steps";
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("Change Scrollbars"));
    EXPECT_EQ(list->model()->index(2, 0).data().toString(), QStringLiteral("Change Title"));
    EXPECT_EQ(list->currentIndex().row(), 2);

    list->setCurrentIndex(list->model()->index(0, 0));
    EXPECT_EQ(scrollbars->isChecked(), bScrollbars);
    EXPECT_FALSE(Form->IsEdited());
    list->setCurrentIndex(list->model()->index(1, 0));
    EXPECT_NE(Popup().bScrollBars == 1, bScrollbars);
}

// A click right after typing, and one that arrives while a preview is being
// made, run the rules and reach the record.
TEST_F(HistoryInWindowTest, AClickAfterTypingOrDuringAPreviewRunsTheRules) {
    ShowAndWaitForPreview();
    // Without an entry effect and a fixed place the timed opening is free.
    Find<QComboBox>(QStringLiteral("Entry effect"))->setCurrentIndex(0);
    Find<QComboBox>(QStringLiteral("Location:"))->setCurrentText(QStringLiteral("Manual"));
    QCheckBox* openAfter = Find<QCheckBox>(QStringLiteral("Open after"));
    QLineEdit* delay = Find<QLineEdit>(QStringLiteral("Open after"));
    if (openAfter->isChecked())
        QTest::mouseClick(openAfter, Qt::LeftButton);
    ASSERT_FALSE(delay->isEnabled());
    QLineEdit* title = Find<QLineEdit>(QStringLiteral("Title:"));
    QTest::mouseClick(title, Qt::LeftButton);
    QTest::keyClicks(title, QStringLiteral("abc"));
    QTest::mouseClick(openAfter, Qt::LeftButton);
    EXPECT_TRUE(openAfter->isChecked());
    EXPECT_TRUE(delay->isEnabled()) << "the rules ran for the click";
    EXPECT_EQ(Popup().bOpenAfterSelected, 1);
    ASSERT_TRUE(WaitForStatus(QStringLiteral("Preview generated")));

    QCheckBox* scrollbars = Find<QCheckBox>(QStringLiteral("Scrollbars"));
    const bool bScrollbars = scrollbars->isChecked();
    QTimer::singleShot(0, scrollbars, [scrollbars] { QTest::mouseClick(scrollbars, Qt::LeftButton); });
    Form->RefreshBtnClick();
    ASSERT_TRUE(WaitUntil([&] { return scrollbars->isChecked() != bScrollbars; }, 10000));
    EXPECT_EQ(Popup().bScrollBars == 1, !bScrollbars) << "the record holds the box's state";
    EXPECT_EQ(Form->Document().History().undoText(), QStringLiteral("Change Scrollbars"));
}

} // namespace
