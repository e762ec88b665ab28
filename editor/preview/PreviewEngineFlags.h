#pragma once

#include <QString>

// The browser engine reads its command-line flags from the environment once,
// when it starts. The preview reloads a page holding the whole runtime library
// on every change; with the script engine's default heap sizing the scripts of
// the pages left behind pile up until the heap reaches its far larger limit,
// so the renderer grows by tens of megabytes over the first hundred refreshes.
// Sizing the script heap for memory keeps it flat.
//
// The engine writes its own log to the terminal, down to passing graphics
// failures it recovers from; it is kept to fatal errors, which the program's
// start should show.
//
// On Linux the engine keeps its pages away from screen readers unless told
// otherwise; the preview's popup should read as the dialog it is.
namespace PreviewEngineFlags {

// The variable that holds the engine's flags.
inline constexpr char sVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
// The variable that opens the engine's pages to assistive technology on Linux.
inline constexpr char sAccessibilityVariable[] = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";

// The flags with the preview's script engine and log settings put first.
// Flags that already set the script engine's options or the log's level are
// left as they are: whoever gave them chose those settings.
QString WithPreviewFlags(const QString& sFlags);

// Puts the preview's settings into the environment; they take effect when the
// engine has not started yet.
void Apply();

} // namespace PreviewEngineFlags
