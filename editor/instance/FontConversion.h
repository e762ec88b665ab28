#pragma once

#include "TFont.h"

#include <QFont>

// A widget font as the content font. The colour is not part of a widget
// font: the result keeps the colour of the font it updates.
TFont FromQFont(const QFont& qFont, const TFont& previous);
// The font as a short text for its caption: "Tahoma, 8 pt, bold".
QString FontCaption(const TFont& font);
