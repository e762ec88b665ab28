#pragma once

#include <QString>
#include <QtGlobal>

class TLog;

// The program's own messages and those of Qt and the browser engine.
//
// A normal start prints nothing: debug and information messages (the
// engine's report on its graphics set-up among them) and the warnings that
// only say what the platform lacks (one per splash frame on some platforms)
// are dropped. Other warnings and errors still reach the terminal and, once a
// session log is open, the session log as well.
namespace TerminalMessages {

// True for a message that is a note, not a problem, and is not shown.
bool IsNote(QtMsgType type, const QString& sText);

// The line a warning or error gets in the session log.
QString LogLine(QtMsgType type, const QString& sText);

// Puts the filter in front of Qt's own message output. Call once, first in main.
void Install();

// The session log that warnings and errors go to as well (none: nullptr).
// Messages from other threads reach the terminal only.
void SetSessionLog(TLog* log);

} // namespace TerminalMessages
