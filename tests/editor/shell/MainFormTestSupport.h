#pragma once

#include "EditorTestEnvironment.h"
#include "TMainForm.h"

#include <memory>

// The test environment with a main window started in it.
class TMainFormEnvironment : public TTestEnvironment {
public:
    // A main window through its creation steps (nullptr when they failed).
    std::unique_ptr<TMainForm> CreateMainForm(const QStringList& arguments = {});
};
