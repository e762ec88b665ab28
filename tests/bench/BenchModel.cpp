// Load and save of multi-popup projects with 1 to 1000 instances, and the save
// that follows a change of one popup's HTML in a 100-popup project. The
// "per_instance" counter is the wall time per instance, which should stay flat.

#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Writes a multi-popup project with iCount instances, each with ten HTML
// lines, two sequential layers and three attached file names.
QString WriteProject(const QTemporaryDir& dir, int iCount) {
    TZEPProject project;
    project.sFullProjectName = dir.filePath("bench.zrj");
    project.sLoadedProjectPath = dir.path() + '/';
    project.bMultipleInstances = 1;
    project.bDynamicContent = 1;
    for (int i = 0; i < iCount; ++i) {
        auto oInstance = project.CreateInstance();
        oInstance->sUniqueID = QString("popup%1x").arg(i);
        oInstance->sTitle = "Popup number " + QString::number(i);
        oInstance->iWidth = 350;
        oInstance->iHeight = 210;
        oInstance->Location = ltCentre;
        for (int line = 0; line < 10; ++line) {
            oInstance->HTMLFile.append(QString("<p class=\"c%1\">Line %1 of the popup's content</p>").arg(line));
        }
        oInstance->BinaryGraphicFiles = {"a.gif", "b.png", "img/c.jpg"};
        oInstance->UpdateContentFromHTML();
        for (int id = 1; id <= 2; ++id) {
            oInstance->ContentStrings.AddContent(*oInstance, "\"<p>layer</p>\"", oInstance->GetContentIndex(), id);
        }
        project.InstanceList.Add(std::move(oInstance));
    }
    TProfileFile file(project.sFullProjectName);
    if (!project.SaveToIniFile(file) || !file.UpdateFile()) {
        qFatal("Cannot write the benchmark project: %s", qPrintable(project.GetLastError()));
    }
    return project.sFullProjectName;
}

// Writes the benchmark project and loads it back, as a save finds it.
void LoadWrittenProject(const QTemporaryDir& dir, int iCount, TZEPProject& project) {
    project.sFullProjectName = WriteProject(dir, iCount);
    project.sLoadedProjectPath = dir.path() + '/';
    TProfileFile loadFile(project.sFullProjectName);
    project.LoadFromIniFile(loadFile, false);
}

// One save of the whole project; a failure ends the benchmark with an error.
void Save(benchmark::State& state, TZEPProject& project) {
    TProfileFile file(project.sFullProjectName);
    if (!project.SaveToIniFile(file) || !file.UpdateFile()) {
        state.SkipWithError("save failed");
    }
}

void SetPerInstance(benchmark::State& state) {
    state.counters["per_instance"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LoadProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString sProject = WriteProject(dir, int(state.range(0)));
    for (auto _ : state) {
        TZEPProject project;
        project.sFullProjectName = sProject;
        TProfileFile file(sProject);
        if (!project.LoadFromIniFile(file, false)) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(project.InstanceList.Count());
    }
    SetPerInstance(state);
}

void BM_SaveProject(benchmark::State& state) {
    QTemporaryDir dir;
    TZEPProject project;
    LoadWrittenProject(dir, int(state.range(0)), project);
    int iRun = 0;
    for (auto _ : state) {
        // A changed value makes every save write the whole project file.
        project.InstanceList.Instance(0).iTryOnce = ++iRun;
        Save(state, project);
    }
    SetPerInstance(state);
}

// Every save follows a change of popup 2's HTML: its HTML file, the content
// file and the project file change; the other 99 HTML files stay as they are.
void BM_SaveAfterOneChange(benchmark::State& state) {
    QTemporaryDir dir;
    TZEPProject project;
    LoadWrittenProject(dir, int(state.range(0)), project);
    TZEPInstance& changed = project.InstanceList.Instance(2);
    int iRun = 0;
    for (auto _ : state) {
        changed.HTMLFile.last() = "<p>Edit number " + QString::number(++iRun) + "</p>";
        changed.UpdateContentFromHTML();
        Save(state, project);
    }
    SetPerInstance(state);
}

} // namespace

BENCHMARK(BM_LoadProject)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SaveProject)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SaveAfterOneChange)->Arg(100)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
