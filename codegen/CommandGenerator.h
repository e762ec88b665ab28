#pragma once

#include <QString>

#include "TZEPInstance.h"

// How the popup's two delay switches combine.
CEntryExitMode GetEventMode(const TZEPInstance& oInstance);

// The guarded command that shows (and perhaps later hides) the popup:
//   if(!<id>.pars.isc){ <CR LF>    <command><CR LF>  }
// sFunc names the popup (callers pass its sUniqueID); sContentFunctions is put before the entry command of
// click and mouse popups (a sequential layer's content switch). Tooltips and site-wide popups have no command:
// the result is empty for them, as it is when there is nothing to run.
QString GenerateCommandString(const TZEPInstance& oInstance, const QString& sFunc, const QString& sContentFunctions);
