#include "ColourUtils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double fThirdTurn = 2.0943951; // 120 degrees in radians

// Rounds to the nearest integer, halves to even, and keeps the result a colour component.
int RoundComponent(double fValue) {
    return std::clamp(int(std::nearbyint(fValue)), 0, 255);
}

int TintComponent(int iComponent, int iPercent) {
    if (iPercent < 0) {
        const int iFactor = 100 - std::min(-iPercent, 100);
        return std::min(iFactor * iComponent / 100, 255);
    }
    const int iFactor = 100 - std::min(iPercent, 100);
    return 255 - std::min((255 - iComponent) * iFactor / 100, 255);
}

} // namespace

quint32 HueColour(int iHue, int iBrightness) {
    const double fHue = (iHue % 360) * std::numbers::pi / 180.0;
    const double fScale = std::min(int(std::nearbyint(iBrightness * 2.55)), 255);
    const int iRed = RoundComponent((std::sin(fHue - fThirdTurn) + 1.0) / 2.0 * fScale);
    const int iGreen = RoundComponent((std::sin(fHue) + 1.0) / 2.0 * fScale);
    const int iBlue = RoundComponent((std::sin(fHue + fThirdTurn) + 1.0) / 2.0 * fScale);
    return MakeColour(iRed, iGreen, iBlue);
}

quint32 TintColour(quint32 colour, int iPercent) {
    if (iPercent == 0) {
        return colour;
    }
    return MakeColour(TintComponent(RedOf(colour), iPercent), TintComponent(GreenOf(colour), iPercent),
                      TintComponent(BlueOf(colour), iPercent));
}
