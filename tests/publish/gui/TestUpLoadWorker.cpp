#include "LoopWait.h"
#include "TUpLoadWorker.h"

#include <QTest>

#include <gtest/gtest.h>

#include <future>

namespace {

// Answers Yes and records every call that reached it, with whether it ran in
// the test's (the dialog's) thread.
class TRecordingUi : public IUpLoadUi {
public:
    COverwriteAnswer AskOverwrite(const QString& sQuestion) override {
        Record("overwrite? " + sQuestion);
        return oaYesToAll;
    }
    bool AskYesNo(const QString& sQuestion) override {
        Record("yes/no? " + sQuestion);
        return true;
    }
    void ShowError(const QString& sMessage) override { Record("error " + sMessage); }
    void ReportError(const QString& sMessage) override { Record("report " + sMessage); }
    void Log(const QString& sLine) override { Record("log " + sLine); }
    void ShowStatus(CStatusPanel, const QString& sText) override { Record("status " + sText); }
    void ShowProgress(int iFile, int iPercent) override {
        Record(QStringLiteral("progress %1 %2").arg(iFile).arg(iPercent));
    }
    void UpdateControls(const TUpLoadControls& controls) override { Record("controls " + controls.sConnectCaption); }

    QStringList Calls;
    bool bOffThread = false;

private:
    void Record(const QString& sCall) {
        bOffThread = bOffThread || QThread::currentThread() != qApp->thread();
        Calls.append(sCall);
    }
};

struct TAnswers {
    bool bYes = true;
    COverwriteAnswer overwrite = oaYes;
};

} // namespace

TEST(UpLoadWorker, HandsEveryCallToTheDialogThreadInOrderWithTheAnswers) {
    TRecordingUi ui;
    QObject dialog;
    TUpLoadWorker worker(ui, dialog);
    TAnswers answers;
    bool bFinished = false;
    QObject::connect(&worker, &TUpLoadWorker::Finished, [&] { bFinished = true; });
    ASSERT_TRUE(worker.Run([&] {
        worker.Log("a");
        worker.ShowStatus(spConnection, "Connected");
        answers.bYes = worker.AskYesNo("q");
        worker.ShowProgress(1, 50);
        answers.overwrite = worker.AskOverwrite("o");
        worker.ReportError("r");
        worker.UpdateControls({QStringLiteral("Connect")});
        worker.ShowError("e");
        worker.Log("b");
    }));
    EXPECT_FALSE(worker.Run([] {})); // one step at a time
    EXPECT_TRUE(WaitUntil([&] { return bFinished; }, 10000));
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(ui.Calls, QStringList({"log a", "status Connected", "yes/no? q", "progress 1 50", "overwrite? o",
                                     "report r", "controls Connect", "error e", "log b"}));
    EXPECT_FALSE(ui.bOffThread);
    EXPECT_TRUE(answers.bYes);
    EXPECT_EQ(answers.overwrite, oaYesToAll);
}

// The dialog is destroyed while the step waits for a question's answer (or is
// about to ask): destruction ends the step without handling events, the
// questions answer No without being shown, and the reports queued before
// are delivered during destruction and never after it.
TEST(UpLoadWorker, DestroyedWhileAQuestionWaitsAnswersNoWithoutAskingIt) {
    TRecordingUi ui;
    QObject dialog;
    auto worker = std::make_unique<TUpLoadWorker>(ui, dialog);
    TAnswers answers;
    std::promise<void> asking;
    ASSERT_TRUE(worker->Run([&, pWorker = worker.get()] {
        pWorker->Log("before");
        asking.set_value();
        answers.bYes = pWorker->AskYesNo("q");
        answers.overwrite = pWorker->AskOverwrite("o");
        pWorker->ShowError("e");
        pWorker->Log("after");
    }));
    asking.get_future().wait();
    QThread::msleep(50); // the question is queued by now, barring a very slow machine
    worker.reset();
    EXPECT_FALSE(answers.bYes);
    EXPECT_EQ(answers.overwrite, oaNo);
    EXPECT_EQ(ui.Calls, QStringList({"log before", "log after"}));
    LetTimePass(20); // the events queued for the dialog change nothing
    EXPECT_EQ(ui.Calls, QStringList({"log before", "log after"}));
}
