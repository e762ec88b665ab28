#pragma once

#include "TFont.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// A colour value (red in the lowest byte) as the screen shows it. A top byte
// of FF marks a system colour, whose low byte indexes the system colours
// (8 window text, 12 application work space, 13 highlight, ...); those take
// their colour from the palette.
QColor ToDisplayColour(quint32 colour, const QPalette& palette);
// A colour value of the common utilities (red in the lowest byte) as a QColor.
QColor ToQColor(quint32 colour);

// The font description as a widget font (face, point size, styles).
QFont ToQFont(const TFont& font);
