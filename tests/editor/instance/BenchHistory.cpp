// What the change history costs the designer.
//
//   undo_redo_to_preview: a 100-popup project in the real main window; one
//     undo or redo of a "Scrollbars" click until the status bar shows
//     "Preview generated" again. Median and 90th percentile in ms.
//   journal_interface_thread: the interface thread's share of journalling a
//     1,000-popup project (the copy it hands to the writer), and the writer's
//     own time on its thread. Medians in ms.
#include "BenchFigures.h"
#include "LoopWait.h"
#include "MainFormTestSupport.h"

#include "TCrashJournal.h"
#include "TEditCommands.h"
#include "TEditorDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The installation's start-up template grown to iCount popups.
void LoadManyPopups(TProjectDocument& document, int iCount) {
    if (!document.Open(QStringLiteral(BRISOLA_SOURCE_DIR "/templates/Default.zrj")))
        qFatal("No start-up template");
    TZEPProject& project = document.Project;
    project.bMultipleInstances = 1;
    for (int i = 1; i < iCount; ++i) {
        auto copy = project.InstanceList.Instance(0).Clone(&project);
        copy->sUniqueID = QStringLiteral("popup") + QString::number(i);
        project.InstanceList.Add(std::move(copy));
    }
}

void undo_redo_to_preview(benchmark::State& state) {
    TMainFormEnvironment env;
    TProjectDocument many;
    LoadManyPopups(many, 100);
    const QString sProject = env.Path(QStringLiteral("many/many.zrj"));
    if (!many.SaveAs(sProject))
        qFatal("%s", qPrintable(many.GetLastError()));
    auto form = env.CreateMainForm({sProject});
    QSignalSpy done(form.get(), &TMainForm::FirstDisplayCompleted);
    form->show();
    const auto waitForPreview = [&form] {
        if (!WaitUntil([&form] { return form->StatusText() == QStringLiteral("Preview generated"); }, 30000))
            qFatal("No preview: %s", qPrintable(form->StatusText()));
    };
    if (!done.wait(30000))
        qFatal("The main window did not finish its first display");
    waitForPreview();
    form->findChild<QCheckBox*>(QStringLiteral("ScrollbarsBox"))->click();
    waitForPreview();
    QAction* undo = form->EditCommands().Action(TEditCommands::ecUndo);
    QAction* redo = form->EditCommands().Action(TEditCommands::ecRedo);
    std::vector<double> times;
    int iStep = 0;
    for (auto _ : state) {
        form->Status(QString());
        QElapsedTimer timer;
        timer.start();
        (iStep++ % 2 == 0 ? undo : redo)->trigger();
        waitForPreview();
        times.push_back(Milliseconds(timer));
    }
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p90_ms"] = Percentile(times, 0.9);
}
BENCHMARK(undo_redo_to_preview)->Iterations(40)->Unit(benchmark::kMillisecond);

void journal_interface_thread(benchmark::State& state) {
    TEditorDocument document;
    LoadManyPopups(document.Data(), 1000);
    document.StartHistory();
    const QTemporaryDir folder;
    TCrashJournal journal(document, folder.path());
    const auto edited = document.Project().InstanceList.Instance(0).Clone(nullptr);
    std::vector<double> interfaceTimes;
    std::vector<double> writerTimes;
    for (auto _ : state) {
        edited->bScrollBars ^= 1;
        document.ChangeInstance(0, *edited, QStringLiteral("Change Scrollbars"), false);
        QElapsedTimer timer;
        timer.start();
        journal.WriteNow();
        interfaceTimes.push_back(Milliseconds(timer));
        journal.WaitForWrites();
        writerTimes.push_back(Milliseconds(timer) - interfaceTimes.back());
    }
    state.counters["interface_median_ms"] = Percentile(interfaceTimes, 0.5);
    state.counters["writer_median_ms"] = Percentile(writerTimes, 0.5);
}
BENCHMARK(journal_interface_thread)->Iterations(20)->Unit(benchmark::kMillisecond);

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
