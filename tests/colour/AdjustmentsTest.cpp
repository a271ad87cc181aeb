#include "colour/Adjustments.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {
namespace {

constexpr int kStep = 30; // the Lighten and Darken step the program starts with

// Rows: channel, lightened, darkened. Landing exactly on a limit is not clamping.
TEST(AdjustmentsTest, LightenAndDarkenClampEachChannel)
{
    const int rows[][3] = {{240, 255, 210}, {10, 40, 0}, {255, 255, 225}, {225, 255, 195},
                           {224, 254, 194}, {30, 60, 0}, {31, 61, 1},     {100, 130, 70}};
    for (const auto& [channel, lighter, darker] : rows) {
        EXPECT_EQ(lightenChannel(channel, kStep), lighter) << channel;
        EXPECT_EQ(darkenChannel(channel, kStep), darker) << channel;
    }
}

TEST(AdjustmentsTest, SaturationMovesFivePointsWithinTheRange)
{
    ColorWorkspace ws;
    // A grey has hue 0, so it tints towards red: l = 0.50196, s = 0.05 gives m2 * 255 = 134.35
    // and m1 * 255 = 121.65.
    EXPECT_EQ(shiftSaturation(ws, 128, 128, 128, kSaturationStep), (RgbChannels{134, 122, 122}));
    EXPECT_EQ(shiftSaturation(ws, 255, 0, 0, kSaturationStep), (RgbChannels{255, 0, 0}));
    // Saturation 96 plus 5 must stop at 100; unclamped it would push red past 255.
    EXPECT_EQ(shiftSaturation(ws, 250, 5, 5, kSaturationStep), (RgbChannels{255, 0, 0}));
    EXPECT_EQ(ws.SatPct, 100);
    // Already grey: saturation would go negative and stays at 0 instead.
    EXPECT_EQ(shiftSaturation(ws, 77, 77, 77, -kSaturationStep), (RgbChannels{77, 77, 77}));
    EXPECT_EQ(ws.SatPct, 0);

    // Five steps down from saturation 20 end at an exact grey of the same lightness (50 %).
    RgbChannels c{153, 102, 102};
    for (int i = 1; i <= 5; ++i)
        c = shiftSaturation(ws, c.red, c.green, c.blue, -kSaturationStep);
    EXPECT_EQ(ws.SatPct, 0);
    EXPECT_TRUE(c.red == c.green && c.green == c.blue && std::abs(c.red - 128) <= 1) << c.red;
}

// Within 25 of a multiple of 51 names exactly one, since 51 is odd: the nearest.
TEST(AdjustmentsTest, WebsafeRoundsToTheNearestMultipleOf51)
{
    for (int channel = 0; channel <= 255; ++channel) {
        const int safe = websafeChannel(channel);
        EXPECT_TRUE(safe % 51 == 0 && safe >= 0 && safe <= 255 && std::abs(safe - channel) <= 25)
            << channel << " gave " << safe;
    }
}

} // namespace
} // namespace orvane
