#pragma once

#include <QString>

#include "ScriptContext.h"

// What a compile refuses before it writes anything: texts that would reach a
// script and can be neither escaped nor kept as data there. Each refusal
// names the popup and the field.
//
// Answers the first problem of the popups as the compile error to report, or
// an empty text: a unique ID that is not a usable script name or that two
// popups share (CheckUniqueIDs); a content layer that is not one script
// string; a content variable that two popups would both assign; a rotating
// popup whose next layer's variable is another popup's content; a schedule
// or limit the browser could not read (CheckPopupSchedule).
QString CheckPopupsForScript(const TInstanceRefs& instances);
