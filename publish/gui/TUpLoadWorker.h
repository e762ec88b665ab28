#pragma once

#include "IUpLoadUi.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// Runs the upload session's long steps (connecting, uploading) on a thread of
// their own, so the dialog keeps repainting and answering while the FTP client
// waits for the network, and hands everything the session shows or asks to
// the dialog's thread. Messages and questions wait there for the answer;
// status, progress, controls and log lines are queued in order.
class TUpLoadWorker : public QObject, public IUpLoadUi {
    Q_OBJECT
public:
    // oTarget shows the session's reports; it lives in oContext's thread.
    TUpLoadWorker(IUpLoadUi& target, QObject& context);
    ~TUpLoadWorker() override { WaitUntilEnded(); }

    // Starts the step on a new thread; refused (false) while one runs.
    bool Run(std::function<void()> step);
    bool IsRunning() const { return oThread != nullptr; }
    // Handles events until the running step has ended (the step may be
    // waiting for an answer on this thread); the caller has asked the
    // session to abort it.
    void WaitUntilEnded();

    COverwriteAnswer AskOverwrite(const QString& sQuestion) override;
    bool AskYesNo(const QString& sQuestion) override;
    void ShowError(const QString& sMessage) override;
    void ReportError(const QString& sMessage) override;
    void Log(const QString& sLine) override;
    void ShowStatus(CStatusPanel panel, const QString& sText) override;
    void ShowProgress(int iFile, int iPercent) override;
    void UpdateControls(const TUpLoadControls& controls) override;
    // Nothing to do: the dialog's own thread keeps handling its events.

signals:
    // The step has ended; emitted in the dialog's thread.
    void Finished();

private:
    bool OnDialogThread() const { return QThread::currentThread() == oContext.thread(); }
    void Post(std::function<void()> call);
    // Runs the call in the dialog's thread and waits for it to end.
    template <class TCall> auto Wait(TCall call) -> decltype(call());
    void StepEnded();

    IUpLoadUi& oTarget;
    QObject& oContext;
    std::unique_ptr<QThread> oThread;
};
