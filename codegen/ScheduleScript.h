#pragma once

#include <QString>

#include "ScriptContext.h"

class TZEPInstance;

// What the generated scripts pass for a popup's schedule, page-view rule and
// show limit, and the checks that refuse settings the browser could not read.

// The first problem of the popup's schedule settings as the compile error to
// report, naming the popup and the key, or an empty text.
QString CheckPopupSchedule(const TZEPInstance& oInstance);

// The constructor's last argument: an object with the rules that are set,
// for example {st:"2026-12-01 00:00",wd:"1111100",pv:3}. Empty when the popup
// uses none of them, so such a popup's constructor stays as it was.
QString ScheduleArgument(const TZEPInstance& oInstance);

// True for a popup that shows by itself when the page builds it: not a
// tooltip and not opened by a link.
bool ShowsByItself(const TZEPInstance& oInstance);

// The statement that lets only one of the popups that show by themselves show
// on a page view, run after the popups are constructed and before they are
// built: QEL.zep.zepOnePerPage([[a,0],[b,5]]); with each popup's priority.
// Empty when the project does not ask for it or fewer than two popups compete.
QString OnePerPageStatement(const TZEPProject& oProject, const TInstanceRefs& instances);
