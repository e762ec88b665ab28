#pragma once

#include "ColourUtils.h"

#include <QColor>

// A colour value of the common utilities (red in the lowest byte) as a QColor.
inline QColor ToQColor(quint32 colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
