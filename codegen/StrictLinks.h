#pragma once

#include <QString>

// Links without inline script, for pages under a strict Content Security Policy. The command a link would run
// in an event attribute becomes data in a data-zep-click, data-zep-mouseover or data-zep-mouseout attribute, which the
// runtime library's listeners on the document run: no event attribute, no "javascript:" address, no eval.

// The calls of a generated command as that data: a JSON list with one entry per call, [guard, function path,
// arguments...]. The guard is the uid of the "if(!uid.pars.isc)" around the call, or "". An argument is a
// number, a string, or {"v":name} for a page variable (the name "event" stands for the event). Empty when the
// command holds anything but such calls.
QString CommandData(const QString& sCommand);

// The attribute for the event (click, mouseover or mouseout) that runs the command: data-zep-click='...', its value
// escaped for a single-quoted attribute. Empty when the command cannot be written as data.
QString StrictEventAttribute(const QString& sEvent, const QString& sCommand);
