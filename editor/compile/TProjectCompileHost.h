#pragma once

#include "ICompileHost.h"

class IProjectWindow;
class TOptionsForm;
class TProjectCommands;

// The compile's side of the main window, made of the window's project
// operations, its project commands and the options dialog.
class TProjectCompileHost : public ICompileHost {
public:
    TProjectCompileHost(IProjectWindow& window, TProjectCommands& commands, TOptionsForm& options);

    void Status(const QString& sText) override;
    void LogLine(const QString& sText) override;
    bool SaveProject() override;
    bool SaveProjectAs() override;
    void SetProjectTitle() override;
    bool IsEdited() const override;
    TCompileOptions CompileOptions() const override;
    void SetShowCompileForm(bool bShow) override;

private:
    IProjectWindow& Window;
    TProjectCommands& Commands;
    TOptionsForm& Options;
};
