#pragma once

#include <QString>

// The browser engine reads its command-line flags from the environment once,
// when it starts. The preview reloads a page holding the whole runtime library
// on every change; with the script engine's default heap sizing the scripts of
// the pages left behind pile up until the heap reaches its far larger limit,
// so the renderer grows by tens of megabytes over the first hundred refreshes.
// Sizing the script heap for memory keeps it flat.
namespace PreviewEngineFlags {

// The variable that holds the engine's flags.
inline constexpr char sVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

// The flags with the preview's script engine setting put first. Flags that
// already set the script engine's own options are left as they are: whoever
// gave them chose its settings.
QString WithPreviewFlags(const QString& sFlags);

// Puts the preview's setting into the environment; it takes effect when the
// engine has not started yet.
void Apply();

} // namespace PreviewEngineFlags
