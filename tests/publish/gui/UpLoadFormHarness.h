#pragma once

#include "FtpTestServer.h"
#include "TLog.h"
#include "TUpLoadForm.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

// Message boxes answered from a script: each expected text (or text start)
// with its answer, in order. Anything else is recorded as unexpected and
// answered Cancel.
class TScriptedPrompts {
public:
    void Expect(const QString& sText, QMessageBox::StandardButton answer = QMessageBox::Ok);
    void ExpectStart(const QString& sTextStart, QMessageBox::StandardButton answer = QMessageBox::Ok);
    TUpLoadPrompt Prompt();

    QStringList Asked;
    QStringList Unexpected;
    std::deque<QString> Pending() const;

private:
    struct TAnswer {
        QString sText;
        bool bWholeText;
        QMessageBox::StandardButton answer;
    };
    std::deque<TAnswer> Answers;
};

// The upload dialog with a session log in a temporary folder, a scripted
// prompt and a test server.
class UpLoadForm : public ::testing::Test {
protected:
    QTemporaryDir LogDir;
    TLog Log;
    TScriptedPrompts Prompts;
    TFtpTestServer Server;
    TLocalFiles Local;
    std::unique_ptr<TUpLoadForm> Form;

    void SetUp() override;
    void TearDown() override;

    // A control by its accessible name (its caption).
    template <class T> T* Control(const QString& sCaption) const {
        for (T* control : Form->findChildren<T*>()) {
            if (control->accessibleName() == sCaption) {
                return control;
            }
        }
        ADD_FAILURE() << "no control named " << sCaption.toStdString();
        return nullptr;
    }
    void Type(const QString& sCaption, const QString& sText);
    void Click(const QString& sCaption);
    // Waits until the connect or upload step has ended.
    void WaitForStep();
    void ShowWithServerFields(const QString& sTargetDir = QStringLiteral("site"));
    void ConnectTo(const QString& sTargetDir = QStringLiteral("site"));
    QString Panel(CStatusPanel panel) const;
    bool Enabled(const QString& sCaption) const;
    QStringList LogLines() const;
    QString OverwriteQuestion(const QString& sName) const;
};
