// The instance editor inside the real main window: controls found by their
// captions, the edited mark, the context help and the help pictures.
#include "EditorWindowFixture.h"

#include "ColourUtils.h"
#include "EditorCaptions.h"
#include "InstanceComparison.h"
#include "TColourSwatch.h"
#include "THelpForm.h"
#include "THelpPicture.h"
#include "TZEPProject.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest/QTest>

namespace {

class EditorInWindowTest : public EditorWindowTest {
protected:
    void SetUp() override { StartOn(QStringLiteral("Default")); }
    static void TypeInto(QLineEdit* field, const QString& sText) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, sText);
    }
};

TEST_F(EditorInWindowTest, ATypedColourIsUpperCasedAndColoursTheSwatchAndThePopup) {
    QLineEdit* field = Find<QLineEdit>(QStringLiteral("Border colour"));
    ASSERT_TRUE(field);
    TypeInto(field, QStringLiteral("ff00aa"));
    EXPECT_EQ(field->text(), QStringLiteral("FF00AA"));
    EXPECT_EQ(Find<TColourSwatch>(QStringLiteral("Border colour swatch"))->Colour(), MakeColour(0xFF, 0, 0xAA));
    EXPECT_EQ(Form->CurrentInstance()->BorderColour, MakeColour(0xFF, 0, 0xAA));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("g"));
    EXPECT_EQ(field->text(), QStringLiteral("FF00A"));
    EXPECT_TRUE(Form->IsPreviewNeeded()) << "the window is not showing: the preview waits";
}

TEST_F(EditorInWindowTest, TheURLOptionOnAndOffRestoresTheContent) {
    const QStringList original = Form->CurrentInstance()->HTMLFile;
    auto* content = Find<QPlainTextEdit>(QStringLiteral("Popup Content HTML Editor"));
    Find<QCheckBox>(QStringLiteral("URL:"))->click();
    EXPECT_TRUE(content->toPlainText().startsWith(QStringLiteral("<iframe src=\"")));
    Find<QCheckBox>(QStringLiteral("URL:"))->click();
    EXPECT_EQ(Form->CurrentInstance()->HTMLFile, original);
    EXPECT_EQ(content->toPlainText(), original.join(u'\n'));
}

TEST_F(EditorInWindowTest, TheFirstChangeMarksTheTitleOnce) {
    const QString sClean = Form->windowTitle();
    EXPECT_TRUE(sClean.endsWith(QStringLiteral(" - Default"))) << "showing the popup at start-up is no change";
    Find<QCheckBox>(QStringLiteral("Scrollbars"))->click();
    EXPECT_EQ(Form->windowTitle(), sClean + QStringLiteral(" (unsaved)"));
    EXPECT_TRUE(Form->IsEdited());
    TypeInto(Find<QLineEdit>(QStringLiteral("Title:")), QStringLiteral("Another"));
    EXPECT_EQ(Form->windowTitle(), sClean + QStringLiteral(" (unsaved)"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Changed"));
    EXPECT_TRUE(Env.LogLines().contains(QStringLiteral("Status [Changed]")));
}

TEST_F(EditorInWindowTest, ChangingTheInstanceTabIsNoChange) {
    Form = Env.CreateMainForm({QStringLiteral(BRISOLA_TEST_DATA_DIR "/model_sample/sample.zrj")});
    ASSERT_TRUE(Form);
    auto* tabs = Form->findChild<QTabBar*>(QStringLiteral("InstanceTabs"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_FALSE(tabs->isHidden()) << "several popups show their tabs";
    tabs->setCurrentIndex(1);
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("Unique ID:"))->text(), QStringLiteral("offer"));
    EXPECT_FALSE(Form->IsEdited());
    EXPECT_FALSE(Form->windowTitle().endsWith(QStringLiteral(" (unsaved)")));
    EXPECT_FALSE(Form->Actions().SaveTemplateMenu->isVisible()) << "only a single-popup template";
    auto* dynamicContent = Form->findChild<QCheckBox*>(QStringLiteral("DynamicContentBox"));
    EXPECT_TRUE(dynamicContent->isChecked());
    EXPECT_FALSE(dynamicContent->isEnabled()) << "several popups need the content file";
    EXPECT_EQ(Form->CurrentProject().bDynamicContent, 1);
}

TEST_F(EditorInWindowTest, ASinglePopupHidesTheTabs) {
    EXPECT_TRUE(Form->findChild<QTabBar*>(QStringLiteral("InstanceTabs"))->isHidden());
}

TEST_F(EditorInWindowTest, EveryCaptionAndDescriptionNameExactlyOneControlOfItsKind) {
    for (const auto& [sObjectName, sCaption] : aEditorCaptions) {
        QWidget* control = Form->findChild<QWidget*>(QString::fromUtf8(sObjectName));
        ASSERT_TRUE(control) << sObjectName;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_TRUE(accessible);
        // A list box's accessible name on this platform is its current entry.
        const QString sName =
            qobject_cast<QComboBox*>(control) ? control->accessibleName() : accessible->text(QAccessible::Name);
        EXPECT_EQ(sName, QString::fromUtf8(sCaption)) << sObjectName;
        // Controls of the window (its dialogs are windows of their own) with
        // the same caption ("Transparent", "Advanced...") are told apart by
        // their descriptions.
        int iSameKind = 0;
        for (QWidget* other : Form->findChildren<QWidget*>())
            if (Form->isAncestorOf(other) && other->metaObject() == control->metaObject() &&
                other->accessibleName() == sName && other->accessibleDescription() == control->accessibleDescription())
                ++iSameKind;
        EXPECT_EQ(iSameKind, 1) << sCaption;
    }
}

// The character after "&" in a caption, lower-cased; none without a mark.
QChar Mnemonic(const QString& sCaption) {
    const qsizetype iMark = sCaption.indexOf(u'&');
    return iMark >= 0 && iMark + 1 < sCaption.size() ? sCaption[iMark + 1].toLower() : QChar();
}

TEST_F(EditorInWindowTest, TheCaptionsMnemonicsLeadToTheirFieldsAndClashWithNoMenu) {
    QStringList owners;
    QList<QChar> used;
    for (QAction* menu : Form->menuBar()->actions()) {
        used.append(Mnemonic(menu->text()));
        owners.append(menu->text());
    }
    int iLabels = 0;
    for (QLabel* label : Form->findChildren<QLabel*>()) {
        const QChar key = Mnemonic(label->text());
        if (key.isNull())
            continue;
        ++iLabels;
        EXPECT_TRUE(label->buddy()) << label->text().toStdString();
        EXPECT_FALSE(used.contains(key)) << label->text().toStdString() << " clashes with "
                                         << owners.value(used.indexOf(key)).toStdString();
        used.append(key);
        owners.append(label->text());
    }
    EXPECT_GE(iLabels, 8);
}

TEST_F(EditorInWindowTest, TheHintUnderThePointerShowsItsHelpInTheContextPanel) {
    QLineEdit* field = Find<QLineEdit>(QStringLiteral("Border colour"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &tip);
    auto* panel = Form->findChild<QGroupBox*>(QStringLiteral("ContextHelpPanel"));
    EXPECT_EQ(panel->title(), QStringLiteral("Border Color Hex Value:"));
    EXPECT_EQ(Form->findChild<QPlainTextEdit*>(QStringLiteral("ContextHelpText"))->toPlainText(),
              QStringLiteral("The border colour as six hexadecimal digits, red first, for example FF0000 for red."));

    Find<QComboBox>(QStringLiteral("Exit effect"))->setCurrentText(QStringLiteral("Slide-up to top"));
    EXPECT_EQ(panel->title(), QStringLiteral("Slide-up top:")) << "an effect choice explains the effect";
}

TEST_F(EditorInWindowTest, TheHelpPicturesOpenHelpAtTheirKeywords) {
    const std::pair<const char*, const char*> pictures[] = {
        {"Help on Unique ID", "id.html"},
        {"Help on Title", "title.html"},
        {"Help on URL", "iframe.html"},
        {"Help on HTML", "html.html"},
    };
    for (const auto& [sName, sPage] : pictures) {
        QTest::mouseClick(Find<THelpPicture>(QString::fromUtf8(sName)), Qt::LeftButton);
        EXPECT_EQ(Form->HelpForm()->CurrentPage(), QString::fromUtf8(sPage)) << sName;
        EXPECT_TRUE(Form->HelpForm()->isVisible());
        Form->HelpForm()->hide();
    }
}

class WindowRoundTripTest : public EditorWindowTest, public ::testing::WithParamInterface<QString> {};

TEST_P(WindowRoundTripTest, TheWindowShowsAndWritesBackEveryFieldUnchanged) {
    StartOn(GetParam());
    const std::unique_ptr<TZEPProject> shown = LoadTemplate(GetParam());
    const std::unique_ptr<TZEPProject> untouched = LoadTemplate(GetParam());
    TZEPInstance& instance = shown->InstanceList.Instance(0);
    Form->UpdateDisplayFromInstance(&instance);
    Form->UpdateInstanceFromDisplay(&instance);
    ExpectSameInstance(instance, untouched->InstanceList.Instance(0));
}

// A template holds a state the editor itself produces: opening it lets the
// enabling rules force no value.
TEST_P(WindowRoundTripTest, StartingOnTheTemplateForcesNoValue) {
    StartOn(GetParam());
    ASSERT_TRUE(Form->CurrentInstance());
    ExpectSameInstance(*Form->CurrentInstance(), LoadTemplate(GetParam())->InstanceList.Instance(0));
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, WindowRoundTripTest, ::testing::ValuesIn(TemplateNames()),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace

namespace {

// Opens "Schedule and Limits" from the Method group, sets the priority and
// the page view from which the popup shows, and closes it with OK or Cancel.
void RunScheduleDialog(TMainFormEnvironment& env, QPushButton* button, bool bOk) {
    env.Services.ExpectDialog(QStringLiteral("ScheduleForm"), [bOk](QDialog& dialog) {
        for (QSpinBox* number : dialog.findChildren<QSpinBox*>()) {
            if (number->accessibleName() == QStringLiteral("Priority:"))
                number->setValue(4);
            if (number->accessibleName() == QStringLiteral("Only from page view:"))
                number->setValue(3);
        }
        bOk ? dialog.accept() : dialog.reject();
    });
    button->click();
}

} // namespace

TEST_F(EditorInWindowTest, ScheduleButtonOpensTheDialogWhoseOkIsAChangeOfThePopup) {
    auto* button = Find<QPushButton>(QStringLiteral("Schedule..."));
    ASSERT_TRUE(button);
    RunScheduleDialog(Env, button, false);
    EXPECT_EQ(Form->CurrentInstance()->Schedule, TPopupSchedule());
    EXPECT_FALSE(Form->IsEdited());
    RunScheduleDialog(Env, button, true);
    EXPECT_EQ(Form->CurrentInstance()->Schedule.iPriority, 4);
    EXPECT_EQ(Form->CurrentInstance()->Schedule.iAfterPageViews, 3);
    EXPECT_TRUE(Form->IsEdited());

    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &tip);
    EXPECT_EQ(Form->findChild<QGroupBox*>(QStringLiteral("ContextHelpPanel"))->title(),
              QStringLiteral("Schedule and Limits:"));
    EXPECT_TRUE(Form->findChild<QPlainTextEdit*>(QStringLiteral("ContextHelpText"))
                    ->toPlainText()
                    .contains(QStringLiteral("Only from page view")));
}
