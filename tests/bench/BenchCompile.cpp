// Compile time through the core pipeline for projects with 1 to 1000 popups
// (the "per_popup" counter should stay flat: growth is linear), and the wall
// time of one brisola-compile run of the start-up template.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "CompilePipeline.h"
#include "TProfileFile.h"
#include "TScriptForm.h"
#include "TZEPProject.h"

namespace {

// Answers nothing and shows nothing: only the compile's own work is timed.
class TSilentCompileUi : public ICompileUi {
public:
    void Log(const QString&) override {}
    void ShowError(const QString& sText) override { qFatal("Compile failed: %s", qPrintable(sText)); }
    bool Confirm(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
    void ShowInfo(const QString&) override {}
    void Status(const QString&) override {}
    void SetCaption(const QString&) override {}
    bool SaveProject() override { return true; }
    bool SaveProjectAs() override { return false; }
    bool ShowResults(const TCompileResults&) override { return true; }
};

const QString sTemplates = QStringLiteral(BRISOLA_SOURCE_DIR "/templates/");

// A saved project with iCount popups: the first modal, then plain, click and
// exit popups in turn, each with ten lines of HTML.
void WriteProject(TZEPProject& project, const QTemporaryDir& dir, int iCount) {
    project.sFullProjectName = dir.filePath(QStringLiteral("bench.zrj"));
    project.sLoadedProjectPath = dir.path() + u'/';
    project.bMultipleInstances = iCount > 1 ? 1 : 0;
    project.bDynamicContent = 1;
    for (int i = 0; i < iCount; ++i) {
        auto oInstance = project.CreateInstance();
        oInstance->sUniqueID = QStringLiteral("popup%1").arg(i);
        oInstance->sTitle = QStringLiteral("Popup number %1").arg(i);
        oInstance->iWidth = 350;
        oInstance->iHeight = 210;
        oInstance->Location = ltCentre;
        oInstance->bModal = i == 0 ? 1 : 0;
        oInstance->bOnClick = i % 3 == 1 ? 1 : 0;
        oInstance->bOnExit = i == 2 ? 1 : 0;
        for (int iLine = 0; iLine < 10; ++iLine) {
            oInstance->HTMLFile << QStringLiteral("<p class=\"c%1\">Line %1 of the popup's content</p>").arg(iLine);
        }
        oInstance->UpdateContentFromHTML();
        project.InstanceList.Add(std::move(oInstance));
    }
    TProfileFile file(project.sFullProjectName);
    if (!project.SaveToIniFile(file) || !file.UpdateFile()) {
        qFatal("Cannot write the benchmark project: %s", qPrintable(project.GetLastError()));
    }
}

void BM_CompileProject(benchmark::State& state) {
    const int iCount = int(state.range(0));
    QTemporaryDir dir;
    TZEPProject project;
    WriteProject(project, dir, iCount);
    TScriptForm script;
    TSilentCompileUi ui;
    TCompilePipeline pipeline(project, script, ui, sTemplates);
    pipeline.Options.bAutoSave = false;
    const TInstanceRefs instances = InstanceRefs(project);
    for (auto _ : state) {
        if (!pipeline.CompileProject(instances)) {
            state.SkipWithError("compile failed");
            break;
        }
    }
    state.SetComplexityN(iCount);
    state.counters["per_popup"] =
        benchmark::Counter(double(iCount), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompileProject)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_CompileCommandStartUpTemplate(benchmark::State& state) {
    QTemporaryDir dir;
    const QString sProject = dir.filePath(QStringLiteral("welcome.zrj"));
    for (auto _ : state) {
        QProcess compile;
        compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM),
                      {QStringLiteral("--save-as"), sProject, sTemplates + QStringLiteral("Default.zrj")});
        if (!compile.waitForFinished(60000) || compile.exitCode() != 0) {
            state.SkipWithError("brisola-compile failed");
            break;
        }
    }
}
BENCHMARK(BM_CompileCommandStartUpTemplate)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
