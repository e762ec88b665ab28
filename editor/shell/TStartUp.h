#pragma once

#include "TMainForm.h"

#include <memory>

class IEditorServices;

// The editor's start-up once the application object exists: the
// application's names and icon, the single-instance lock, the start-up
// context from the desktop and the main window through its creation steps.
struct TStartUp {
    std::unique_ptr<TMainForm> Form; // nullptr when the program ends at once
    int iExitCode = 0;               // 0 for a second copy, 1 when the creation failed
};
TStartUp StartEditor(IEditorServices& services, const QStringList& arguments);
