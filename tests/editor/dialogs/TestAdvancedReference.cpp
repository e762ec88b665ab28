#include "AdvancedTestSupport.h"
#include "TAdvancedReferenceOptionsForm.h"
#include "TZEPInstance.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class AdvancedReference : public ::testing::Test {
protected:
    void SetUp() override {
        Instance.bUseCustom = 1;
        Instance.sCustomPath = "https://cdn.example/img";
        Form.ShowInstance(Instance);
    }
    std::unique_ptr<TZEPInstance> Stored() const {
        auto stored = std::make_unique<TZEPInstance>(nullptr);
        Form.StoreInstance(*stored);
        return stored;
    }

    TDialogServices Services;
    TZEPInstance Instance{nullptr};
    TAdvancedReferenceOptionsForm Form{Services};
};

TEST_F(AdvancedReference, CaptionsAndThePathEditFollowingTheBox) {
    EXPECT_EQ(Form.windowTitle(), "Advanced Reference");
    EXPECT_EQ(Form.UseCustomBox->text(),
              "Use custom close/resize image path for compilation: (specify path/URL to folder)");
    Form.show();
    Form.UseCustomPathEdit->clear();
    QTest::keyClicks(Form.UseCustomPathEdit, QString(260, QLatin1Char('p')));
    EXPECT_EQ(Form.UseCustomPathEdit->text().size(), 250) << "the path takes at most 250 typed characters";
    Form.UseCustomPathEdit->setText("https://cdn.example/img");
    EXPECT_TRUE(Form.UseCustomPathEdit->isEnabled());
    Form.UseCustomBox->click();
    EXPECT_FALSE(Form.UseCustomPathEdit->isEnabled());
    EXPECT_FALSE(Form.BrowseBtn->isEnabled());
    EXPECT_EQ(Stored()->sCustomPath, "https://cdn.example/img") << "a disabled path is still stored";
    EXPECT_EQ(Stored()->bUseCustom, 0);
}

TEST_F(AdvancedReference, TheFolderChooserFillsThePathUnlessCancelled) {
    const QString sCaption = "Select the folder of the close and resize images:";
    Services.ExpectFileDialog(sCaption, "/srv/site/images");
    Services.ExpectFileDialog(sCaption, "");
    Form.BrowseBtn->click();
    EXPECT_EQ(Form.UseCustomPathEdit->text(), "/srv/site/images");
    Form.BrowseBtn->click();
    EXPECT_EQ(Form.UseCustomPathEdit->text(), "/srv/site/images") << "a cancelled chooser changes nothing";
}

TEST_F(AdvancedReference, CancelPutsBothControlsBackAndOkKeepsTheChanges) {
    EXPECT_EQ(Services.Run(
                  Form,
                  [this] {
                      Services.ExpectFileDialog(TAdvancedReferenceOptionsForm::sChooseFolderCaption, "/tmp/pictures");
                      Form.BrowseBtn->click();
                      EXPECT_EQ(Form.UseCustomPathEdit->text(), "/tmp/pictures");
                      Form.UseCustomBox->click();
                  },
                  Form.CancelBtn),
              QDialog::Rejected);
    EXPECT_EQ(Stored()->bUseCustom, 1);
    EXPECT_EQ(Stored()->sCustomPath, "https://cdn.example/img");
    EXPECT_TRUE(Form.UseCustomPathEdit->isEnabled());

    EXPECT_EQ(Services.Run(
                  Form, [this] { Form.UseCustomPathEdit->setText("pics"); }, Form.OKBtn),
              QDialog::Accepted);
    EXPECT_EQ(Stored()->sCustomPath, "pics");
}

} // namespace
