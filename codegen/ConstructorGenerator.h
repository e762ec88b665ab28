#pragma once

#include <QString>

#include "TZEPInstance.h"

// The statement that constructs one popup in the visitor's browser:
// <uid> = new QEL.zep.zepInstance("<uid>", ...39 arguments...);
// and, for a popup with a schedule or limits, a 40th: the object of ScheduleArgument.
// where uid is the popup's script name (its unique ID trimmed).
// The text depends on the record alone (and its project's box-cover flag), never on files, clock or locale.
QString CreateInstanceFunction(const TZEPInstance& oInstance);

// The runtime's location code for a placement; a value outside the enumeration gives 0.
int GetLocationVal(CLocation location);
