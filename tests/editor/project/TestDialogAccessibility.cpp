// Every dialog a designer opens from the main window, walked as a screen
// reader sees it: its title is its caption, each control is named by its
// caption (the text of a button or check box, the label of an edit) and no
// control that takes input is left without a name.

#include "MainFormTestSupport.h"
#include "TAdvancedMethodsOptionsForm.h"
#include "TMainActions.h"
#include "TMultiPopupModeForm.h"
#include "TMultiSequentialForm.h"
#include "TZEPProject.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QSet<QAccessible::Role> NamedRoles = {QAccessible::PushButton, QAccessible::CheckBox, QAccessible::EditableText,
                                            QAccessible::ComboBox,   QAccessible::List,     QAccessible::Table};

// What a screen reader announces for the control. A drop-down list reports
// its current entry as its name on this desktop; its caption is the label
// that names it.
QString CaptionOf(QAccessibleInterface* control) {
    if (control->role() == QAccessible::ComboBox) {
        for (const auto& [label, relation] : control->relations(QAccessible::Label))
            return label->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

// The names of the input controls under the interface; an unnamed one fails.
void CollectNames(QAccessibleInterface* node, QSet<QString>& names) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || !child->object() || !child->object()->isWidgetType())
            continue;
        if (NamedRoles.contains(child->role())) {
            const QString sName = CaptionOf(child);
            EXPECT_FALSE(sName.isEmpty()) << "unnamed control " << child->object()->objectName().toStdString();
            names.insert(sName);
        } else {
            CollectNames(child, names);
        }
    }
}

// True when the window is among the widget's parents, at any distance.
bool IsOwnedBy(const QWidget& widget, const QWidget& window) {
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget()) {
        if (parent == &window)
            return true;
    }
    return false;
}

struct TDialogCase {
    const char* sObjectName;
    QString sTitle;
    QStringList Names;
    std::function<void(TMainForm&)> Open;
    // Brings the dialog into the state where all its controls show.
    std::function<void(QDialog&)> Prepare;
};

class DialogAccessibility : public ::testing::Test {
protected:
    void SetUp() override {
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
    }
    // Opens the dialog as the designer does and checks its title, its parent
    // window and the names of its controls.
    void Walk(const TDialogCase& c) {
        SCOPED_TRACE(c.sObjectName);
        bool bShown = false;
        Env.Services.ExpectDialog(c.sObjectName, [&](QDialog& dialog) {
            bShown = true;
            if (c.Prepare)
                c.Prepare(dialog);
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
            EXPECT_EQ(window->text(QAccessible::Name), c.sTitle);
            EXPECT_TRUE(IsOwnedBy(dialog, *Form)) << "a dialog of the main window";
            QSet<QString> names;
            CollectNames(window, names);
            for (const QString& sName : c.Names)
                EXPECT_TRUE(names.contains(sName))
                    << sName.toStdString() << " among " << QStringList(names.values()).join('|').toStdString();
            dialog.reject();
        });
        c.Open(*Form);
        EXPECT_TRUE(bShown);
    }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(DialogAccessibility, EveryDialogIsAModalChildNamedByItsCaptions) {
    const auto trigger = [](QAction* TMainActions::*action) {
        return [action](TMainForm& form) { (form.Actions().*action)->trigger(); };
    };
    const auto click = [](const char* sButton) {
        return [sButton](TMainForm& form) { form.findChild<QPushButton*>(sButton)->click(); };
    };
    const TDialogCase cases[] = {
        {"MultiPopupModeForm",
         "Multiple Instances",
         {"Enable multiple simultaneous instances", "Add", "Delete", "Remove", "OK", "Cancel"},
         trigger(&TMainActions::MultipleInstancesBtn),
         [](QDialog& d) { static_cast<TMultiPopupModeForm&>(d).EnableMultiplePopupBox->click(); }},
        {"MultiSequentialForm",
         "Multiple Sequential Layers",
         {"Enable multiple sequential layers", "Add", "Delete", "Enable Rotation Mode", "Width:", "Height:", "Left:",
          "Top:", "Relative Positioning", "Link Text:", "Set", "Set All", "Add Image Template", "OK", "Cancel"},
         trigger(&TMainActions::SequentialInstancesBtn),
         [](QDialog& d) { static_cast<TMultiSequentialForm&>(d).EnableMultipleSequentialLayersBox->click(); }},
        {"AdvancedMethodsOptionsForm",
         "Advanced Methods",
         {"Once per n-days:", "Number of days:", "Control probability of appearance:", "Probability:", "Try Once:",
          "Try Again:", "Image Link:", "OK", "Cancel"},
         click("AdvancedMethodsBtn"),
         {}},
        {"AdvancedReferenceOptionsForm",
         "Advanced Reference",
         {"Use custom close/resize image path for compilation: (specify path/URL to folder)", "Browse...", "OK",
          "Cancel"},
         click("AdvancedReferenceBtn"),
         {}},
        {"OptionsForm",
         "Options",
         {"Auto save when compiling", "Set base folder location:", "Browse...", "Include dynamic functions",
          "Dynamic content file", "On close turn off audio (on compile only)", "Cover select boxes in the page",
          "Initialisation:", "Show compile form", "Delete all log files", "Automatically Check For Updates", "OK",
          "Cancel"},
         trigger(&TMainActions::OptionsMenu),
         {}},
        {"TipsForm",
         "Tips for getting started",
         {"Next", "Close", "Show Tips at Startup (can also be seen from help menu)"},
         trigger(&TMainActions::TipsMenu),
         {}},
        {"AboutForm", "Brisola", {"OK"}, trigger(&TMainActions::AboutMenu), {}},
    };
    for (const TDialogCase& c : cases)
        Walk(c);
}

TEST_F(DialogAccessibility, TheContentStringEditorIsNamedAfterItsLayer) {
    Env.Services.ExpectDialog("MultiSequentialForm", [this](QDialog& dialog) {
        auto& form = static_cast<TMultiSequentialForm&>(dialog);
        form.EnableMultipleSequentialLayersBox->click();
        form.AddBtn->click();
        Walk({"HTMLEditForm",
              "Content string for content zep_promo1",
              {"Content String", "OK", "Cancel"},
              [&form](TMainForm&) { form.EditLayerHTML(1); },
              {}});
        form.CancelBtn->click();
    });
    Form->Actions().SequentialInstancesBtn->trigger();
}

// Values the designer cannot type (a file may hold them) are shown whole and
// come back unchanged, rather than cut to the typing limit.
TEST_F(DialogAccessibility, LongerValuesFromTheProjectSurviveTheAdvancedDialog) {
    TZEPInstance& popup = Form->CurrentProject().InstanceList.Instance(0);
    popup.iNunberDays = 1000;
    popup.iProbabilityPercent = 1000;
    popup.bSiteWide = 1;
    popup.iTryOnce = -100;
    popup.iTryAgain = 86400;
    Form->UpdateDisplayFromInstance(&popup);
    Env.Services.ExpectDialog("AdvancedMethodsOptionsForm", [](QDialog& dialog) {
        auto& form = static_cast<TAdvancedMethodsOptionsForm&>(dialog);
        EXPECT_EQ(form.NumberDaysEdit->text(), "1000");
        form.OncePerBox->click();
        form.OKBtn->click();
    });
    Form->findChild<QPushButton*>("AdvancedMethodsBtn")->click();
    EXPECT_EQ(popup.bOncePer, 1) << "the dialog's change was stored";
    EXPECT_EQ(popup.iNunberDays, 1000);
    EXPECT_EQ(popup.iProbabilityPercent, 1000);
    EXPECT_EQ(popup.iTryOnce, -100);
    EXPECT_EQ(popup.iTryAgain, 86400);
}

} // namespace
