// How fast the preview's tool bar shows the visitor's next step: for each
// action, from the click in the real main window until the preview shows the
// result and the "Why:" text follows it (the player's Played signal); and a
// device change the same way. Medians and 90th percentiles of 30 clicks are
// reported as counters (ms), the preview warm.
//
//   build/tests/editor/preview/bench_preview_visits
#include "BenchFigures.h"
#include "LoopWait.h"
#include "MainFormTestSupport.h"
#include "TPreviewPanel.h"
#include "TPreviewPlayer.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

// The main window on the installation's start-up template, shown, its first
// preview explained.
class TWarmWindow {
public:
    TWarmWindow() {
        for (const char* sExtension : {".zrj", ".html"}) {
            const QString sTarget = Env.Path(QStringLiteral("install/Templates/Default")) + QLatin1String(sExtension);
            QFile::remove(sTarget);
            QFile::copy(QStringLiteral(BRISOLA_SOURCE_DIR "/templates/Default") + QLatin1String(sExtension), sTarget);
        }
        Form = Env.CreateMainForm();
        Panel = Form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"));
        QSignalSpy rendered(Form.get(), &TMainForm::FirstDisplayCompleted);
        Form->resize(1700, 1200);
        Form->show();
        if (!rendered.wait(30000) || !WaitUntil([this] { return !Panel->ToolBar().Why().isEmpty(); }, 30000))
            qFatal("The main window did not show its first preview");
    }
    // Runs the step and answers the milliseconds until the player has played it.
    double Time(const std::function<void()>& step) {
        QSignalSpy played(Panel->Player(), &TPreviewPlayer::Played);
        QElapsedTimer timer;
        timer.start();
        step();
        if (!played.wait(30000))
            qFatal("The preview did not play the step");
        return Milliseconds(timer);
    }
    template <typename T> T* Named(const QString& sName) {
        for (T* control : Panel->findChildren<T*>()) {
            if (control->accessibleName() == sName)
                return control;
        }
        qFatal("No control named %s", qPrintable(sName));
    }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
    TPreviewPanel* Panel = nullptr;
};

// One window for all the measurements, made once the application exists.
TWarmWindow* Window = nullptr;

void Report(benchmark::State& state, const std::vector<double>& times) {
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p90_ms"] = Percentile(times, 0.9);
}

void action_to_preview(benchmark::State& state, const char* sButton) {
    QPushButton* button = Window->Named<QPushButton>(QLatin1String(sButton));
    std::vector<double> times;
    for (auto _ : state)
        times.push_back(Window->Time([button] { button->click(); }));
    Report(state, times);
}

void device_change(benchmark::State& state) {
    QComboBox* box = Window->Named<QComboBox>(QStringLiteral("Device:"));
    std::vector<double> times;
    int iIndex = 0;
    for (auto _ : state) {
        iIndex = iIndex == 1 ? 0 : 1;
        times.push_back(Window->Time([box, iIndex] {
            box->setCurrentIndex(iIndex);
            emit box->activated(iIndex);
        }));
    }
    Report(state, times);
}

BENCHMARK_CAPTURE(action_to_preview, skip_delay, "Skip delay")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(action_to_preview, new_visit, "New visit")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(action_to_preview, new_session, "New session")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(action_to_preview, next_day, "Next day")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(action_to_preview, reset_visitor, "Reset visitor")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(action_to_preview, exit_intent, "Exit intent")->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(device_change)->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-logging");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        TWarmWindow window;
        Window = &window;
        benchmark::RunSpecifiedBenchmarks();
        Window = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
