#pragma once

#include "ControlStateRules.h"
#include "EditorGroups.h"

// The widget side of the enabling rules: what the controls show, read into a
// state record, and a record applied back to the controls. Applying changes
// only what differs, so a field keeps its cursor when its text stays.
TControlStates ReadControlStates(const TEditorGroups& groups);
void ApplyControlStates(const TControlStates& states, const TEditorGroups& groups);
