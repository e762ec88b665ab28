#pragma once

#include "TFont.h"

#include <QFont>

// The content font as the platform's font, and back. The colour is not part
// of the platform's font: FromQFont keeps the colour of the font it updates.
QFont ToQFont(const TFont& font);
TFont FromQFont(const QFont& qFont, const TFont& previous);
// The font as a short text for its caption: "Tahoma, 8 pt, bold".
QString FontCaption(const TFont& font);
