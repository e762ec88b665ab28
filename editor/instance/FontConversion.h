#pragma once

#include "GuiColours.h"
#include "TFont.h"

#include <QFont>

// The platform's font back as the content font (ToQFont, in the GUI helpers,
// goes the other way). The colour is not part of the platform's font:
// FromQFont keeps the colour of the font it updates.
TFont FromQFont(const QFont& qFont, const TFont& previous);
// The font as a short text for its caption: "Tahoma, 8 pt, bold".
QString FontCaption(const TFont& font);
