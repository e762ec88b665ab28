#pragma once

#include <QtGlobal>

// Colours as plain 32-bit values: red in the lowest byte, then green, then
// blue; the top byte is a flag that the functions here drop.

constexpr quint32 MakeColour(int iRed, int iGreen, int iBlue) {
    return quint32(iRed & 0xFF) | quint32(iGreen & 0xFF) << 8 | quint32(iBlue & 0xFF) << 16;
}
constexpr int RedOf(quint32 colour) {
    return int(colour & 0xFF);
}
constexpr int GreenOf(quint32 colour) {
    return int(colour >> 8 & 0xFF);
}
constexpr int BlueOf(quint32 colour) {
    return int(colour >> 16 & 0xFF);
}

// A colour of the colour wheel: the three components follow the sine of the
// hue (degrees) spaced 120 degrees apart, scaled by the brightness (percent).
quint32 HueColour(int iHue, int iBrightness);
// Lightens the colour towards white (percent above 0) or darkens it towards
// black (below 0); 100 gives white, -100 black, 0 the colour unchanged.
quint32 TintColour(quint32 colour, int iPercent);
