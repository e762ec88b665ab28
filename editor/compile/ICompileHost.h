#pragma once

#include "CompilePipeline.h"

#include <QString>

// What the editor's compile needs from the main window: its status bar, the
// session log, the project's Save and Save As commands, its title, the
// edited flag and the compile options.
class ICompileHost {
public:
    virtual ~ICompileHost() = default;

    // Shows the text in the status bar and logs it as "Status [" text "]".
    virtual void Status(const QString& sText) = 0;
    virtual void LogLine(const QString& sText) = 0;
    // The Save and Save As commands; true when they wrote the project.
    virtual bool SaveProject() = 0;
    virtual bool SaveProjectAs() = 0;
    // The title of a loaded, unchanged project.
    virtual void SetProjectTitle() = 0;
    // The project has unsaved changes.
    virtual bool IsEdited() const = 0;
    // The options "save before compiling without asking" and "show the
    // compile results", and the latter as the results dialog leaves it.
    virtual TCompileOptions CompileOptions() const = 0;
    virtual void SetShowCompileForm(bool bShow) = 0;
};
