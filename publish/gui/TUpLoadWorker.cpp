#include "TUpLoadWorker.h"

#include <QCoreApplication>

TUpLoadWorker::TUpLoadWorker(IUpLoadUi& target, QObject& context) : oTarget(target), oContext(context) {}

void TUpLoadWorker::WaitUntilEnded() {
    while (oThread && !oThread->wait(10)) {
        QCoreApplication::processEvents();
    }
    StepEnded();
}

bool TUpLoadWorker::Run(std::function<void()> step) {
    if (oThread) {
        return false;
    }
    oThread.reset(QThread::create(std::move(step)));
    connect(oThread.get(), &QThread::finished, this, &TUpLoadWorker::StepEnded, Qt::QueuedConnection);
    oThread->start();
    return true;
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
    } else {
        QMetaObject::invokeMethod(&oContext, std::move(call), Qt::QueuedConnection);
    }
}

template <class TResult> TResult TUpLoadWorker::Wait(const std::function<TResult()>& call) {
    if (OnDialogThread()) {
        return call();
    }
    TResult result{};
    QMetaObject::invokeMethod(
        &oContext, [&] { result = call(); }, Qt::BlockingQueuedConnection);
    return result;
}

COverwriteAnswer TUpLoadWorker::AskOverwrite(const QString& sQuestion) {
    return Wait<COverwriteAnswer>([&] { return oTarget.AskOverwrite(sQuestion); });
}

bool TUpLoadWorker::AskYesNo(const QString& sQuestion) {
    return Wait<bool>([&] { return oTarget.AskYesNo(sQuestion); });
}

void TUpLoadWorker::ShowError(const QString& sMessage) {
    Wait<bool>([&] {
        oTarget.ShowError(sMessage);
        return true;
    });
}

void TUpLoadWorker::ReportError(const QString& sMessage) {
    Wait<bool>([&] {
        oTarget.ReportError(sMessage);
        return true;
    });
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
