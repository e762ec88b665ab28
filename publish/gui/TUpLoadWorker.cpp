#include "TUpLoadWorker.h"

#include <QCoreApplication>

#include <type_traits>

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

template <class TCall> auto TUpLoadWorker::Wait(TCall call) -> decltype(call()) {
    if (OnDialogThread()) {
        return call();
    }
    if constexpr (std::is_void_v<decltype(call())>) {
        QMetaObject::invokeMethod(&oContext, call, Qt::BlockingQueuedConnection);
    } else {
        decltype(call()) result{};
        QMetaObject::invokeMethod(
            &oContext, [&] { result = call(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

COverwriteAnswer TUpLoadWorker::AskOverwrite(const QString& sQuestion) {
    return Wait([&] { return oTarget.AskOverwrite(sQuestion); });
}

bool TUpLoadWorker::AskYesNo(const QString& sQuestion) {
    return Wait([&] { return oTarget.AskYesNo(sQuestion); });
}

void TUpLoadWorker::ShowError(const QString& sMessage) {
    Wait([&] { oTarget.ShowError(sMessage); });
}

void TUpLoadWorker::ReportError(const QString& sMessage) {
    Wait([&] { oTarget.ReportError(sMessage); });
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
