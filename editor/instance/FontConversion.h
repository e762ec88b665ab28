#pragma once

#include "GuiConversions.h"
#include "TFont.h"

#include <QFont>

// The platform's font as the content font (ToQFont, in GuiConversions.h, goes
// the other way). The colour is not part of the platform's font: FromQFont
// keeps the colour of the font it updates.
TFont FromQFont(const QFont& qFont, const TFont& previous);
// The font as a short text for its caption: "Tahoma, 8 pt, bold".
QString FontCaption(const TFont& font);
