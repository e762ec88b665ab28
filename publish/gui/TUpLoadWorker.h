#pragma once

#include "IUpLoadUi.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// Runs the upload session's long steps (connecting, uploading) on a thread of
// their own, so the dialog keeps repainting and answering while the FTP client
// waits for the network, and hands everything the session shows or asks to
// the dialog's thread, in order. Messages and questions wait there for the
// answer; status, progress, controls and log lines do not wait.
class TUpLoadWorker : public QObject, public IUpLoadUi {
    Q_OBJECT
public:
    // oTarget shows the session's reports; it lives in oContext's thread.
    TUpLoadWorker(IUpLoadUi& target, QObject& context);
    ~TUpLoadWorker() override;

    // Starts the step on a new thread; refused (false) while one runs.
    bool Run(std::function<void()> step);
    bool IsRunning() const { return oThread != nullptr; }
    // For the rest of the running step, the messages and questions it waits
    // for, or asks later, are not shown: questions answer No at once. The
    // caller has asked the session to abort the step.
    void CancelQuestions();
    // Cancels the questions and ends the running step without handling
    // events, for the dialog's destruction. The reports the step queued are
    // shown before this returns.
    void Stop();

    COverwriteAnswer AskOverwrite(const QString& sQuestion) override;
    bool AskYesNo(const QString& sQuestion) override;
    void ShowError(const QString& sMessage) override;
    void ReportError(const QString& sMessage) override;
    void Log(const QString& sLine) override;
    void ShowStatus(CStatusPanel panel, const QString& sText) override;
    void ShowProgress(int iFile, int iPercent) override;
    void UpdateControls(const TUpLoadControls& controls) override;

signals:
    // The step has ended; emitted in the dialog's thread.
    void Finished();

private:
    // The calls queued for the dialog's thread, shared with the events that
    // run them.
    struct TCallQueue;

    bool OnDialogThread() const { return QThread::currentThread() == oContext.thread(); }
    // Runs the call in the dialog's thread without waiting.
    void Post(std::function<void()> call);
    // Runs the call in the dialog's thread and waits for it to end; false
    // when the questions were cancelled first (the call then does not run,
    // or its end is not awaited).
    bool Deliver(std::function<void()> call);
    // A question's answer from the dialog's thread, or the safe answer when
    // the questions were cancelled first.
    template <class TResult, class TCall> TResult Ask(TCall call, TResult safeAnswer);
    void StepEnded();

    IUpLoadUi& oTarget;
    QObject& oContext;
    std::shared_ptr<TCallQueue> Calls;
    std::unique_ptr<QThread> oThread;
};
