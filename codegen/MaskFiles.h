#pragma once

#include <QStringList>

#include "ScriptContext.h"

// Writes the mask support files into the project folder: the style sheet
// "ZEPMask.css" and, unless bPreview is set, the picture "ZEPMask.png". When
// outputFiles is given both paths are appended (the picture's path is empty
// when it was not written). Answers false when a write failed.
bool WriteMaskFiles(const TScriptContext& context, QStringList* outputFiles, bool bPreview);
