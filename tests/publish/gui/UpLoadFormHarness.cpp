#include "UpLoadFormHarness.h"

#include "LoopWait.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void TScriptedPrompts::Expect(const QString& sText, QMessageBox::StandardButton answer) {
    Answers.push_back({sText, true, answer});
}

void TScriptedPrompts::ExpectStart(const QString& sTextStart, QMessageBox::StandardButton answer) {
    Answers.push_back({sTextStart, false, answer});
}

TUpLoadPrompt TScriptedPrompts::Prompt() {
    return [this](QWidget*, QMessageBox::Icon, const QString& sText, QMessageBox::StandardButtons) {
        Asked.append(sText);
        const bool bExpected =
            !Answers.empty() &&
            (Answers.front().bWholeText ? sText == Answers.front().sText : sText.startsWith(Answers.front().sText));
        if (!bExpected) {
            Unexpected.append(sText);
            return QMessageBox::Cancel;
        }
        const QMessageBox::StandardButton answer = Answers.front().answer;
        Answers.pop_front();
        return answer;
    };
}

std::deque<QString> TScriptedPrompts::Pending() const {
    std::deque<QString> texts;
    for (const TAnswer& answer : Answers) {
        texts.push_back(answer.sText);
    }
    return texts;
}

void UpLoadForm::SetUp() {
    Server.MakeDir(QStringLiteral("site"));
    Log.SetLogFilePath(LogDir.path() + u'/');
    Log.SetLogFileName(QStringLiteral("upload.log"));
    ASSERT_TRUE(Log.Open(QStringLiteral("brisola")));
    Form = std::make_unique<TUpLoadForm>(Log, Prompts.Prompt());
    TFtpOptions options;
    options.iConnectTimeout = 5;
    options.iReplyTimeout = 5;
    options.iStallTimeout = 5;
    Form->SetFtpOptions(options);
}

void UpLoadForm::TearDown() {
    Form.reset();
    EXPECT_TRUE(Prompts.Unexpected.isEmpty()) << Prompts.Unexpected.join(" | ").toStdString();
    EXPECT_TRUE(Prompts.Pending().empty()) << "not asked: " << Prompts.Pending().front().toStdString();
}

void UpLoadForm::Type(const QString& sCaption, const QString& sText) {
    QLineEdit* edit = Control<QLineEdit>(sCaption);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, sText);
}

void UpLoadForm::Click(const QString& sCaption) {
    QPushButton* button = Control<QPushButton>(sCaption);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << sCaption.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void UpLoadForm::WaitForStep() {
    WaitUntil([this] { return !Form->IsTransferring(); }, 30000);
    ASSERT_FALSE(Form->IsTransferring());
}

void UpLoadForm::ShowWithServerFields(const QString& sTargetDir) {
    TUpLoadSettings settings;
    settings.sSite = Server.Site();
    settings.sUsername = QString::fromLatin1(TFtpTestServer::sUser);
    settings.sPassword = QString::fromLatin1(TFtpTestServer::sPassword);
    settings.sRemotePath = sTargetDir;
    settings.bRequireTls = false;
    Form->SetSettings(settings);
    Form->show();
}

void UpLoadForm::ConnectTo(const QString& sTargetDir) {
    ShowWithServerFields(sTargetDir);
    Click(QStringLiteral("Connect"));
    WaitForStep();
}

QString UpLoadForm::Panel(CStatusPanel panel) const {
    return Form->StatusPanels.at(std::size_t(panel))->text();
}

bool UpLoadForm::Enabled(const QString& sCaption) const {
    const QWidget* control = Control<QWidget>(sCaption);
    return control && control->isEnabled();
}

QStringList UpLoadForm::LogLines() const {
    QFile file(Log.GetFullFileName());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    for (const QString& sLine : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))) {
        lines.append(sLine.section(QStringLiteral("] : "), 1)); // without the time stamp
    }
    return lines;
}

QString UpLoadForm::OverwriteQuestion(const QString& sName) const {
    return "File <" + sName + "> already exists on the upload site.\nDo you wish to overwrite?";
}
