// The upload dialog during a 50 MB transfer to a server that receives 10 MB a
// second. "max_gap_ms" (the manual time) is the longest pause between the
// ticks of a 10 ms timer in the dialog's thread while the file is being sent;
// "close_ms" is the time from a confirmed close to the dialog being closed
// with the transfer ended.

#include "FtpTestServer.h"
#include "LoopWait.h"
#include "TLog.h"
#include "TUpLoadForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

namespace {

constexpr int iFileBytes = 50 * 1024 * 1024;
constexpr int iServerBytesPerSecond = 10 * 1024 * 1024;
constexpr int iSampleMilliseconds = 1500;

void WaitWhileTransferring(const TUpLoadForm& form) {
    WaitUntil([&form] { return !form.IsTransferring(); }, std::numeric_limits<int>::max());
}

void BM_UpLoadDialogDuringTransfer(benchmark::State& state) {
    TFtpTestServer server;
    server.MakeDir(QStringLiteral("site"));
    if (!server.Start({QStringLiteral("--read-limit"), QString::number(iServerBytesPerSecond)})) {
        state.SkipWithError("the test FTP server did not start");
        return;
    }
    TLocalFiles local;
    const QString sFile = local.Write(QStringLiteral("big.bin"), QByteArray(iFileBytes, 'x'));
    TLog log; // not opened: lines are dropped
    TUpLoadForm form(log, [](QWidget*, QMessageBox::Icon, const QString&, QMessageBox::StandardButtons) {
        return QMessageBox::Yes; // the close question
    });
    form.SetSettings({server.Site(), QString::fromLatin1(TFtpTestServer::sUser),
                      QString::fromLatin1(TFtpTestServer::sPassword), QStringLiteral("site"), false, QPoint()});
    form.TransferSetUp({sFile});

    for (auto _ : state) {
        form.show();
        form.ConnectBtn->click();
        WaitWhileTransferring(form);
        form.UpLoadBtn->click();

        QElapsedTimer clock;
        clock.start();
        qint64 iLastTick = 0;
        qint64 iMaxGap = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            iMaxGap = std::max(iMaxGap, clock.elapsed() - iLastTick);
            iLastTick = clock.elapsed();
        });
        ticker.start(10);
        while (clock.elapsed() < iSampleMilliseconds && form.IsTransferring()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        ticker.stop();

        QElapsedTimer closing;
        closing.start();
        form.close();
        WaitWhileTransferring(form);
        state.counters["close_ms"] = double(closing.elapsed());
        state.SetIterationTime(double(iMaxGap) / 1000.0);
    }
}

BENCHMARK(BM_UpLoadDialogDuringTransfer)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
