#include "TProjectCompileHost.h"

#include "TLog.h"
#include "TOptionsForm.h"
#include "TProjectCommands.h"

TProjectCompileHost::TProjectCompileHost(IProjectWindow& window, TProjectCommands& commands, TOptionsForm& options)
    : Window(window), Commands(commands), Options(options) {}

void TProjectCompileHost::Status(const QString& sText) {
    Window.Status(sText);
}

void TProjectCompileHost::LogLine(const QString& sText) {
    Window.Log().Add(sText);
}

bool TProjectCompileHost::SaveProject() {
    return Commands.Save();
}

bool TProjectCompileHost::SaveProjectAs() {
    return Commands.SaveAs();
}

void TProjectCompileHost::SetProjectTitle() {
    Window.SetProjectTitle();
}

bool TProjectCompileHost::IsEdited() const {
    return Window.IsEdited();
}

TCompileOptions TProjectCompileHost::CompileOptions() const {
    const TApplicationOptions options = Options.ApplicationOptions();
    return {options.bAutoSave, options.bShowCompile};
}

void TProjectCompileHost::SetShowCompileForm(bool bShow) {
    TApplicationOptions options = Options.ApplicationOptions();
    options.bShowCompile = bShow;
    Options.SetApplicationOptions(options);
}
