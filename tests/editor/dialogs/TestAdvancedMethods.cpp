#include "AdvancedTestSupport.h"
#include "TAdvancedMethodsOptionsForm.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class AdvancedMethods : public ::testing::Test {
protected:
    void SetUp() override {
        Instance = &project.InstanceList.Add(project.CreateInstance());
        Instance->bOncePer = 1;
        Instance->iNunberDays = 7;
        Instance->bControlProbablility = 0;
        Instance->iProbabilityPercent = 50;
        Instance->bSiteWide = 1;
        Instance->iTryOnce = 3;
        Instance->iTryAgain = 9;
        Instance->sImageLink = "photo.jpg";
        Instance->BinaryGraphicFiles = {"logo.gif", "photo.JPG", "intro.swf", "pic.png"};
        Form.SetProject(&project);
        Form.ShowInstance(*Instance);
    }
    QStringList ListTexts() const {
        QStringList texts;
        for (int i = 0; i < Form.LinkListBox->count(); ++i)
            texts << Form.LinkListBox->itemText(i);
        return texts;
    }
    QColor EntryColour(int iIndex) const {
        return Form.LinkListBox->itemData(iIndex, Qt::ForegroundRole).value<QColor>();
    }
    // The instance as the controls describe it.
    std::unique_ptr<TZEPInstance> Stored() const {
        auto stored = std::make_unique<TZEPInstance>(nullptr);
        Form.StoreInstance(*stored);
        return stored;
    }

    TZEPProject project;
    TZEPInstance* Instance = nullptr;
    TAdvancedMethodsOptionsForm Form;
    TDialogServices Services;
};

TEST_F(AdvancedMethods, CaptionsAndHeight) {
    EXPECT_EQ(Form.windowTitle(), "Advanced Methods");
    EXPECT_EQ(Form.height(), 528);
    EXPECT_EQ(Form.GroupBox1->title(), " Frequency of appearance ");
    EXPECT_EQ(Form.GroupBox2->title(), " Probability of appearance ");
    EXPECT_EQ(Form.SiteWideGroup->title(), " Site Wide Parameters  ");
    EXPECT_EQ(Form.LinkSelectionGroup->title(), " Link Selection ");
    EXPECT_EQ(Form.OncePerBox->text(), "Once per n-days:");
    EXPECT_EQ(Form.ControlProbabilityBox->text(), "Control probability of appearance:");
    EXPECT_EQ(Form.SiteWideBox->text(), "Site-wide (show once per session across the whole site)");
    const std::pair<QWidget*, const char*> labelled[] = {{Form.NumberDaysEdit, "Number of days:"},
                                                         {Form.ProbabilityEdit, "Probability:"},
                                                         {Form.TryOnceEdit, "Try Once:"},
                                                         {Form.TryAgainEdit, "Try Again:"},
                                                         {Form.LinkListBox, "Image Link:"}};
    for (const auto& [control, sCaption] : labelled)
        EXPECT_EQ(control->accessibleName(), sCaption);
    EXPECT_EQ(Form.ImageLinkLabel->buddy(), Form.LinkListBox);
    QStringList labels;
    for (const QLabel* label : Form.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("%   (100% for every visit)"));
    EXPECT_EQ(Form.OKBtn->text(), "OK");
    EXPECT_EQ(Form.CancelBtn->text(), "Cancel");
}

TEST_F(AdvancedMethods, NumbersAcceptAtMostThreeDigitsAndTryOnceAnyThreeCharacters) {
    Form.show();
    for (QLineEdit* edit : {Form.NumberDaysEdit, Form.TryAgainEdit}) {
        edit->clear();
        QTest::keyClicks(edit, "4x5y67");
        EXPECT_EQ(edit->text(), "456") << edit->objectName().toStdString();
    }
    Form.ControlProbabilityBox->setChecked(true);
    Form.ProbabilityEdit->clear();
    QTest::keyClicks(Form.ProbabilityEdit, "1a00");
    EXPECT_EQ(Form.ProbabilityEdit->text(), "100");
    Form.TryOnceEdit->clear();
    QTest::keyClicks(Form.TryOnceEdit, "a1b2");
    EXPECT_EQ(Form.TryOnceEdit->text(), "a1b");
    EXPECT_EQ(Stored()->iTryOnce, 0) << "text that is not a number is stored as 0";
}

TEST_F(AdvancedMethods, PictureListShowsTheAttachedPicturesInTheirColours) {
    EXPECT_EQ(ListTexts(), (QStringList{"Textual link only", "logo.gif", "photo.JPG"}));
    EXPECT_EQ(EntryColour(0), QColor(128, 0, 0));
    EXPECT_EQ(EntryColour(1), QColor(0, 0, 255));
    EXPECT_EQ(EntryColour(2), QColor(0, 0, 255));
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 2) << "photo.jpg selects photo.JPG";
    EXPECT_EQ(Form.GetImageLink(), "photo.JPG");

    Form.LinkListBox->setCurrentIndex(1);
    EXPECT_EQ(Form.GetImageLink(), "logo.gif");
    Form.LinkListBox->setCurrentIndex(0);
    EXPECT_EQ(Form.GetImageLink(), "");

    Instance->sImageLink = "banner.gif";
    Form.ShowInstance(*Instance);
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 0) << "a link naming no attached picture";
    EXPECT_EQ(Stored()->sImageLink, "banner.gif") << "showing the popup keeps its link";
    Form.SetImageLink("LOGO.GIF", nullptr);
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 1);
    EXPECT_EQ(ListTexts().size(), 3) << "without a file list the entries stay";
}

TEST_F(AdvancedMethods, EnablingFollowsTheCheckBoxesAndDisabledValuesAreStillStored) {
    EXPECT_TRUE(Form.NumberDaysEdit->isEnabled());
    EXPECT_FALSE(Form.ProbabilityEdit->isEnabled());
    EXPECT_TRUE(Form.SiteWideGroup->isEnabled());
    Form.OncePerBox->click();
    EXPECT_FALSE(Form.NumberDaysEdit->isEnabled());
    EXPECT_EQ(Form.NumberDaysEdit->text(), "7");
    EXPECT_EQ(Stored()->iNunberDays, 7);
    EXPECT_EQ(Stored()->bOncePer, 0);
    Form.ControlProbabilityBox->click();
    EXPECT_TRUE(Form.ProbabilityEdit->isEnabled());
    Form.SiteWideBox->click();
    EXPECT_FALSE(Form.SiteWideGroup->isEnabled());
    EXPECT_FALSE(Form.TryOnceEdit->isEnabled());
    EXPECT_FALSE(Form.TryAgainEdit->isEnabled());
    EXPECT_EQ(Stored()->bSiteWide, 0);
    EXPECT_EQ(Stored()->iTryAgain, 9);

    Instance->bSiteWide = 0;
    Form.ShowInstance(*Instance);
    EXPECT_FALSE(Form.SiteWideGroup->isEnabled()) << "a popup without the site-wide flag";
}

TEST_F(AdvancedMethods, SequentialLayersLockTheListOnTheTextualLinkButKeepTheImageLink) {
    project.bMultipleSequentialLayers = 1;
    Form.ChangeEditability();
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 0);
    EXPECT_FALSE(Form.LinkListBox->isEnabled());
    EXPECT_FALSE(Form.ImageLinkLabel->isEnabled());
    EXPECT_EQ(Stored()->sImageLink, "photo.JPG");
    project.bMultipleSequentialLayers = 0;
    Form.ChangeEditability();
    EXPECT_TRUE(Form.LinkListBox->isEnabled());
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 2);
}

TEST_F(AdvancedMethods, CancelRestoresEveryFieldIncludingTheImageLink) {
    const int iResult = Services.Run(
        Form,
        [this] {
            Form.OncePerBox->click();
            Form.NumberDaysEdit->setText("12");
            Form.ControlProbabilityBox->click();
            Form.ProbabilityEdit->setText("80");
            Form.SiteWideBox->click();
            Form.TryOnceEdit->setText("5");
            Form.TryAgainEdit->setText("6");
            Form.LinkListBox->setCurrentIndex(1);
            EXPECT_EQ(Form.GetImageLink(), "logo.gif");
        },
        Form.CancelBtn);
    EXPECT_EQ(iResult, QDialog::Rejected);
    const std::unique_ptr<TZEPInstance> stored = Stored();
    EXPECT_EQ(stored->bOncePer, 1);
    EXPECT_EQ(stored->iNunberDays, 7);
    EXPECT_EQ(stored->bControlProbablility, 0);
    EXPECT_EQ(stored->iProbabilityPercent, 50);
    EXPECT_EQ(stored->bSiteWide, 1);
    EXPECT_EQ(stored->iTryOnce, 3);
    EXPECT_EQ(stored->iTryAgain, 9);
    EXPECT_EQ(stored->sImageLink, "photo.JPG");
    EXPECT_EQ(Form.LinkListBox->currentIndex(), 2);
    EXPECT_TRUE(Form.NumberDaysEdit->isEnabled()) << "enabled states follow the restored boxes";
    EXPECT_FALSE(Form.ProbabilityEdit->isEnabled());
}

TEST_F(AdvancedMethods, OkKeepsTheChangesForTheMainWindowToStore) {
    const int iResult = Services.Run(
        Form,
        [this] {
            Form.ControlProbabilityBox->click();
            Form.ProbabilityEdit->setText("25");
            Form.LinkListBox->setCurrentIndex(0);
        },
        Form.OKBtn);
    EXPECT_EQ(iResult, QDialog::Accepted);
    Form.StoreInstance(*Instance);
    EXPECT_EQ(Instance->bControlProbablility, 1);
    EXPECT_EQ(Instance->iProbabilityPercent, 25);
    EXPECT_EQ(Instance->sImageLink, "");
}

} // namespace
