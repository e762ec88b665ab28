#include "ColourUtils.h"

#include <gtest/gtest.h>

namespace {
struct TRgb {
    int iRed, iGreen, iBlue;
    bool operator==(const TRgb&) const = default;
};
TRgb Rgb(quint32 colour) {
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}
std::ostream& operator<<(std::ostream& out, const TRgb& c) {
    return out << c.iRed << "," << c.iGreen << "," << c.iBlue;
}
} // namespace

TEST(ColourUtils, RedIsTheLowestByte) {
    EXPECT_EQ(MakeColour(0x11, 0x22, 0x33), 0x332211u);
    EXPECT_EQ(Rgb(0xFF332211u), (TRgb{0x11, 0x22, 0x33}));
}

TEST(ColourUtils, HueColourFollowsTheWheel) {
    EXPECT_EQ(Rgb(HueColour(0, 100)), (TRgb{17, 128, 238})); // green 127.5 rounds to even
    EXPECT_EQ(Rgb(HueColour(360, 100)), (TRgb{17, 128, 238}));
    EXPECT_EQ(Rgb(HueColour(90, 100)), (TRgb{64, 255, 64}));
    EXPECT_EQ(Rgb(HueColour(0, 0)), (TRgb{0, 0, 0}));
    EXPECT_EQ(Rgb(HueColour(0, 200)), Rgb(HueColour(0, 100))); // brightness capped at 255
    EXPECT_EQ(Rgb(HueColour(0, -100)), (TRgb{0, 0, 0}));
}

TEST(ColourUtils, TintColourLightensAndDarkens) {
    const quint32 red = MakeColour(255, 0, 0);
    EXPECT_EQ(Rgb(TintColour(red, 50)), (TRgb{255, 128, 128}));
    EXPECT_EQ(Rgb(TintColour(red, -50)), (TRgb{127, 0, 0}));
    EXPECT_EQ(Rgb(TintColour(red, 100)), (TRgb{255, 255, 255}));
    EXPECT_EQ(Rgb(TintColour(red, 250)), (TRgb{255, 255, 255}));
    EXPECT_EQ(Rgb(TintColour(red, -100)), (TRgb{0, 0, 0}));
    EXPECT_EQ(Rgb(TintColour(MakeColour(0, 100, 200), 80)), (TRgb{204, 224, 244}));
    EXPECT_EQ(TintColour(0xFF000008u, 0), 0xFF000008u);
    EXPECT_EQ(TintColour(0xFF000008u, -50), 0x000004u); // the flag byte is dropped
}
