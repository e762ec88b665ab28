#pragma once

#include <QString>

#include <optional>

// A colour (red in the lowest byte) as the colour fields show it: six
// upper-case hexadecimal digits, red first.
QString ColourToHexText(quint32 colour);
// The colour of such a text; no value when the text holds a character that
// is not a hexadecimal digit, and sError then holds the message.
std::optional<quint32> HexTextToColour(const QString& sText, QString& sError);
