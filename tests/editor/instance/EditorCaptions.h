#pragma once

#include <utility>
#include <vector>

// Every control of the editor's groups and its content editor, by component
// name, with the name a screen reader says for it (its caption).
extern const std::vector<std::pair<const char*, const char*>> aEditorCaptions;
