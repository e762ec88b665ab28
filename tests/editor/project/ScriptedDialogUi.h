#pragma once

#include "IDialogUi.h"
#include "ProjectTestSupport.h"

#include <QStringList>

#include <deque>

#include <gtest/gtest.h>

// Answers the dialogs' questions and file dialogs from a script of expected
// texts. A question that is not the next one expected fails the test and is
// answered Cancel; expectations left over fail the test at the end.
class TScriptedDialogUi : public IDialogUi {
public:
    ~TScriptedDialogUi() override {
        for (const TStep& step : Steps)
            ADD_FAILURE() << "expected but not asked: " << step.sText.toStdString();
    }
    void ExpectAsk(CKind kind, const QString& sText, QMessageBox::StandardButton answer) {
        Steps.push_back({CStep::stAsk, kind, sText, answer, {}});
    }
    void ExpectOpen(const QString& sFileName) { Steps.push_back({CStep::stOpen, {}, {}, {}, sFileName}); }
    void ExpectSave(const QString& sTitle, const QString& sFileName) {
        Steps.push_back({CStep::stSave, {}, sTitle, {}, sFileName});
    }

    QMessageBox::StandardButton Ask(CKind kind, const QString& sText, QMessageBox::StandardButtons buttons) override {
        Asked << sText;
        LastButtons = buttons;
        if (Steps.empty() || Steps.front().Step != CStep::stAsk || Steps.front().sText != sText ||
            Steps.front().Kind != kind) {
            ADD_FAILURE() << "unexpected question: " << sText.toStdString();
            return QMessageBox::Cancel;
        }
        const QMessageBox::StandardButton answer = Steps.front().Answer;
        Steps.pop_front();
        return answer;
    }
    QString OpenFileName(const QString& sTitle, const QString& sStartDir, const QString&) override {
        return FileName(CStep::stOpen, sTitle, sStartDir);
    }
    QString SaveFileName(const QString& sTitle, const QString& sStartDir, const QString&) override {
        return FileName(CStep::stSave, sTitle, sStartDir);
    }

    QStringList Asked;
    QStringList StartDirs;
    QMessageBox::StandardButtons LastButtons;

private:
    enum class CStep { stAsk, stOpen, stSave };
    struct TStep {
        CStep Step;
        CKind Kind;
        QString sText;
        QMessageBox::StandardButton Answer;
        QString sFileName;
    };

    QString FileName(CStep step, const QString& sTitle, const QString& sStartDir) {
        StartDirs << sStartDir;
        if (Steps.empty() || Steps.front().Step != step || (step == CStep::stSave && Steps.front().sText != sTitle)) {
            ADD_FAILURE() << "unexpected file dialog: " << sTitle.toStdString();
            return {};
        }
        const QString sFileName = Steps.front().sFileName;
        Steps.pop_front();
        return sFileName;
    }

    std::deque<TStep> Steps;
};
