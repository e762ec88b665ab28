// How fast a change in the instance editor reaches the preview, and whether
// the browser engine's memory stays flat over many refreshes.
//
//   click_to_preview: one click on "Scrollbars" in the real main window until
//     the status bar shows "Preview generated", the preview warm; the median
//     and 90th percentile of 50 clicks are reported as counters (ms).
//   renderer_memory: the resident memory of the engine's processes (MB) after
//     10, 100 and 300 refreshes, and the ratios of the last to the others.
#include "BenchFigures.h"
#include "LoopWait.h"
#include "MainFormTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

// The main window on the installation's start-up template, shown, with its
// first preview done.
class TWarmWindow {
public:
    TWarmWindow() {
        for (const char* sExtension : {".zrj", ".html"}) {
            const QString sTarget = Env.Path(QStringLiteral("install/Templates/Default")) + QLatin1String(sExtension);
            QFile::remove(sTarget);
            QFile::copy(QStringLiteral(BRISOLA_SOURCE_DIR "/templates/Default") + QLatin1String(sExtension), sTarget);
        }
        Form = Env.CreateMainForm();
        QSignalSpy done(Form.get(), &TMainForm::FirstDisplayCompleted);
        Form->show();
        if (!done.wait(30000))
            qFatal("The main window did not finish its first display");
        WaitForPreview();
    }
    void WaitForPreview() {
        if (!WaitUntil([this] { return Form->StatusText() == QStringLiteral("Preview generated"); }, 30000))
            qFatal("No preview: %s", qPrintable(Form->StatusText()));
    }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

// The process and every process below it, read from /proc.
std::vector<int> DescendantsOf(int iRoot) {
    std::vector<int> found{iRoot};
    for (size_t i = 0; i < found.size(); ++i) {
        for (const QString& sPid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/") + sPid + QStringLiteral("/stat"));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields[1].toInt() == found[i])
                found.push_back(sPid.toInt());
        }
    }
    return found;
}

// The resident memory of the engine's own processes, in MB.
double EngineMemoryMB() {
    double dTotal = 0;
    const std::vector<int> processes = DescendantsOf(int(getpid()));
    for (size_t i = 1; i < processes.size(); ++i) {
        QFile status(QStringLiteral("/proc/%1/status").arg(processes[i]));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                dTotal += line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return dTotal;
}

void click_to_preview(benchmark::State& state) {
    TWarmWindow window;
    auto* box = window.Form->findChild<QCheckBox*>(QStringLiteral("ScrollbarsBox"));
    for (int i = 0; i < 5; ++i) {
        box->click();
        window.WaitForPreview();
    }
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        box->click();
        window.WaitForPreview();
        times.push_back(Milliseconds(timer));
    }
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p90_ms"] = Percentile(times, 0.9);
}
BENCHMARK(click_to_preview)->Iterations(50)->Unit(benchmark::kMillisecond);

void renderer_memory(benchmark::State& state) {
    TWarmWindow window;
    const auto refresh = [&window](int iTimes) {
        for (int i = 0; i < iTimes; ++i) {
            window.Form->RefreshBtnClick();
            window.WaitForPreview();
        }
        LetTimePass(500);
    };
    for (auto _ : state) {
        refresh(10);
        const double dAfter10 = EngineMemoryMB();
        refresh(90);
        const double dAfter100 = EngineMemoryMB();
        refresh(200);
        const double dAfter300 = EngineMemoryMB();
        state.counters["after_10_MB"] = dAfter10;
        state.counters["after_100_MB"] = dAfter100;
        state.counters["after_300_MB"] = dAfter300;
        state.counters["ratio"] = dAfter10 > 0 ? dAfter300 / dAfter10 : 0;
        // Caches and the script engine's heap grow during the first refreshes;
        // this ratio shows whether anything still piles up after that.
        state.counters["ratio_after_warm_up"] = dAfter100 > 0 ? dAfter300 / dAfter100 : 0;
        state.counters["processes"] = double(DescendantsOf(int(getpid())).size() - 1);
    }
}
BENCHMARK(renderer_memory)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-logging");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
