#include "TUpLoadWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>

// The worker thread pushes calls; one queued event per batch runs them in the
// dialog's thread, in order. A call that waits is marked ended under the
// mutex; cancelling wakes every waiting call and keeps the questions still
// queued from running.
struct TUpLoadWorker::TCallQueue {
    std::mutex Mutex;
    std::condition_variable CallEnded;
    std::deque<std::function<void()>> Pending; // guarded by Mutex
    bool bCancelled = false;                   // guarded by Mutex

    bool Cancelled() {
        const std::lock_guard lock(Mutex);
        return bCancelled;
    }

    // The caller holds the mutex. The first call of a batch posts the event
    // that runs the batch; it is dropped with the context object, whose
    // owner has stopped the worker and so run what was queued.
    static void Push(const std::shared_ptr<TCallQueue>& queue, QObject& context, std::function<void()> call) {
        queue->Pending.push_back(std::move(call));
        if (queue->Pending.size() == 1) {
            QMetaObject::invokeMethod(
                &context, [queue] { queue->RunPending(); }, Qt::QueuedConnection);
        }
    }

    // In the dialog's thread; the calls run without the mutex held, since
    // a question opens a message box.
    void RunPending() {
        std::unique_lock lock(Mutex);
        while (!Pending.empty()) {
            const std::function<void()> call = std::move(Pending.front());
            Pending.pop_front();
            lock.unlock();
            call();
            lock.lock();
        }
    }
};

TUpLoadWorker::TUpLoadWorker(IUpLoadUi& target, QObject& context)
    : oTarget(target), oContext(context), Calls(std::make_shared<TCallQueue>()) {}

TUpLoadWorker::~TUpLoadWorker() {
    Stop();
}

bool TUpLoadWorker::Run(std::function<void()> step) {
    if (oThread) {
        return false;
    }
    {
        const std::lock_guard lock(Calls->Mutex);
        Calls->bCancelled = false;
    }
    oThread.reset(QThread::create(std::move(step)));
    connect(oThread.get(), &QThread::finished, this, &TUpLoadWorker::StepEnded, Qt::QueuedConnection);
    oThread->start();
    return true;
}

void TUpLoadWorker::CancelQuestions() {
    {
        const std::lock_guard lock(Calls->Mutex);
        Calls->bCancelled = true;
    }
    Calls->CallEnded.notify_all();
}

void TUpLoadWorker::Stop() {
    CancelQuestions();
    if (oThread) {
        oThread->wait();
    }
    Calls->RunPending();
    StepEnded();
}

void TUpLoadWorker::StepEnded() {
    if (!oThread) {
        return;
    }
    oThread->wait();
    oThread.reset();
    emit Finished();
}

void TUpLoadWorker::Post(std::function<void()> call) {
    if (OnDialogThread()) {
        call();
        return;
    }
    const std::lock_guard lock(Calls->Mutex);
    TCallQueue::Push(Calls, oContext, std::move(call));
}

bool TUpLoadWorker::Deliver(std::function<void()> call) {
    if (OnDialogThread()) {
        call();
        return true;
    }
    auto bEnded = std::make_shared<bool>(false); // guarded by the queue's mutex
    std::unique_lock lock(Calls->Mutex);
    if (Calls->bCancelled) {
        return false;
    }
    TCallQueue::Push(Calls, oContext, [queue = Calls, bEnded, call = std::move(call)] {
        if (queue->Cancelled()) {
            return;
        }
        call();
        const std::lock_guard ended(queue->Mutex);
        *bEnded = true;
        queue->CallEnded.notify_all();
    });
    Calls->CallEnded.wait(lock, [&] { return *bEnded || Calls->bCancelled; });
    return *bEnded;
}

// The answer is shared with the call, so a call still running when the
// questions are cancelled writes into memory that is still there; it is read only when the call
// ended first.
template <class TResult, class TCall> TResult TUpLoadWorker::Ask(TCall call, TResult safeAnswer) {
    auto answer = std::make_shared<TResult>(safeAnswer);
    return Deliver([answer, call] { *answer = call(); }) ? *answer : safeAnswer;
}

COverwriteAnswer TUpLoadWorker::AskOverwrite(const QString& sQuestion) {
    return Ask([this, sQuestion] { return oTarget.AskOverwrite(sQuestion); }, oaNo);
}

bool TUpLoadWorker::AskYesNo(const QString& sQuestion) {
    return Ask([this, sQuestion] { return oTarget.AskYesNo(sQuestion); }, false);
}

void TUpLoadWorker::ShowError(const QString& sMessage) {
    Deliver([this, sMessage] { oTarget.ShowError(sMessage); });
}

void TUpLoadWorker::ReportError(const QString& sMessage) {
    Deliver([this, sMessage] { oTarget.ReportError(sMessage); });
}

void TUpLoadWorker::Log(const QString& sLine) {
    Post([this, sLine] { oTarget.Log(sLine); });
}

void TUpLoadWorker::ShowStatus(CStatusPanel panel, const QString& sText) {
    Post([this, panel, sText] { oTarget.ShowStatus(panel, sText); });
}

void TUpLoadWorker::ShowProgress(int iFile, int iPercent) {
    Post([this, iFile, iPercent] { oTarget.ShowProgress(iFile, iPercent); });
}

void TUpLoadWorker::UpdateControls(const TUpLoadControls& controls) {
    Post([this, controls] { oTarget.UpdateControls(controls); });
}
