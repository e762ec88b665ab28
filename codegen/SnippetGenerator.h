#pragma once

#include <QString>

#include "TContentList.h"
#include "TZEPInstance.h"

// The link a designer pastes into a page for a click, mouse-over or mouse-out popup: an anchor whose event
// attribute runs sCommand. Empty unless exactly one of the three event switches is set. The link shows
// sSpecificLinkText when given, else the popup's image link, else a placeholder naming the kind of link.
// With bStrict the link carries no inline script and no style attribute: the command goes into a data
// attribute that the runtime library runs (StrictLinks.h).
QString GetMouseEventText(const TZEPInstance& oInstance, const QString& sCommand, const QString& sSpecificLinkText,
                          bool bStrict = false);

// The guarded command that shows and hides the modal mask with the popup; empty for a popup that is not modal.
QString GenerateModalString(const TZEPInstance& oInstance);

// The commands that switch the popup to this content item: hide, resize, refill, then place it.
QString CreateLinkFunctions(const TContentItem& oItem, const TZEPInstance& oInstance);
