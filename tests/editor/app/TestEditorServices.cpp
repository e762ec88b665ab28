#include "EditorTestEnvironment.h"

#include <QDialog>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(FileDialogFilterTest, PairsOfDescriptionAndPatternBecomeFilters) {
    const std::pair<const char*, const char*> cases[] = {
        {"ZEP Project Files|*.zrj|All FIles|*.*", "ZEP Project Files (*.zrj);;All FIles (*.*)"},
        {"Pages|*.htm;*.html", "Pages (*.htm *.html)"},
        {"", ""},
        {"Unpaired", ""},
    };
    for (const auto& [sFilter, sExpected] : cases)
        EXPECT_EQ(FileDialogFilter(QString::fromLatin1(sFilter)), QString::fromLatin1(sExpected)) << sFilter;
}

class ScriptedServicesTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TScriptedServices Scripted{Dir.filePath(QStringLiteral("store.ini"))};
    IEditorServices& Services = Scripted;
    const QString sQuestion = QStringLiteral("Save?");
};

TEST_F(ScriptedServicesTest, AnExpectedQuestionGetsItsAnswerInOrder) {
    Scripted.ExpectQuestion(sQuestion, QMessageBox::Yes);
    Scripted.ExpectFileDialog(QStringLiteral("Save project as..."), QStringLiteral("/w/a.zrj"));
    EXPECT_EQ(Services.Ask(nullptr, CMessageKind::mkConfirmation, sQuestion, QMessageBox::Yes | QMessageBox::No),
              QMessageBox::Yes);
    EXPECT_EQ(Services.ChooseSaveFile(nullptr, {QStringLiteral("Save project as..."), {}, {}, {}}),
              QStringLiteral("/w/a.zrj"));
}

TEST_F(ScriptedServicesTest, AnUnexpectedOrOutOfOrderQuestionFailsAndIsCancelled) {
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    EXPECT_NONFATAL_FAILURE(answer = Services.Ask(nullptr, CMessageKind::mkError, sQuestion, QMessageBox::Ok),
                            "unexpected question: \"Save?\" (nothing expected)");
    EXPECT_EQ(answer, QMessageBox::Cancel);
    Scripted.ExpectQuestion(QStringLiteral("Other?"), QMessageBox::Yes);
    EXPECT_NONFATAL_FAILURE(Services.Ask(nullptr, CMessageKind::mkError, sQuestion, QMessageBox::Ok),
                            "(expected question \"Other?\")");
    EXPECT_NONFATAL_FAILURE(Services.ChooseFolder(nullptr, QStringLiteral("Other?"), QString()),
                            "unexpected file dialog");
    EXPECT_NONFATAL_FAILURE(Scripted.VerifyAllAsked(), "expected question never came: \"Other?\"");
}

TEST_F(ScriptedServicesTest, AnExpectationThatNeverCameFails) {
    Scripted.ExpectQuestion(sQuestion, QMessageBox::Yes);
    EXPECT_NONFATAL_FAILURE(Scripted.VerifyAllAsked(), "expected question never came: \"Save?\"");
}

TEST_F(ScriptedServicesTest, AModalDialogIsShownToItsDriverWhichMustCloseIt) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("OptionsForm"));
    bool bShownToDriver = false;
    Scripted.ExpectDialog(QStringLiteral("OptionsForm"), [&](QDialog& shown) {
        bShownToDriver = shown.isVisible();
        shown.accept();
    });
    EXPECT_EQ(Services.RunModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(bShownToDriver);

    Scripted.ExpectDialog(QStringLiteral("OptionsForm"), [](QDialog&) {});
    int iResult = QDialog::Accepted;
    EXPECT_NONFATAL_FAILURE(iResult = Services.RunModal(dialog), "left the dialog \"OptionsForm\" open");
    EXPECT_EQ(iResult, QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
