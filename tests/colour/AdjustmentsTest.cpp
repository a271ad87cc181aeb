#include "colour/Adjustments.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {
namespace {

constexpr int kStep = 30; // the Lighten and Darken step the program starts with

TEST(AdjustmentsTest, LightenAndDarkenClampEachChannel)
{
    const RgbChannels lighter{lightenChannel(240, kStep), lightenChannel(10, kStep),
                              lightenChannel(255, kStep)};
    EXPECT_EQ(lighter, (RgbChannels{255, 40, 255}));
    const RgbChannels darker{darkenChannel(20, kStep), darkenChannel(100, kStep),
                             darkenChannel(0, kStep)};
    EXPECT_EQ(darker, (RgbChannels{0, 70, 0}));

    // Landing exactly on a limit is not clamping.
    EXPECT_EQ(lightenChannel(225, kStep), 255);
    EXPECT_EQ(lightenChannel(224, kStep), 254);
    EXPECT_EQ(darkenChannel(30, kStep), 0);
    EXPECT_EQ(darkenChannel(31, kStep), 1);
}

TEST(AdjustmentsTest, SaturateMovesFivePointsAndStopsAtFull)
{
    ColorWorkspace ws;
    // A grey has hue 0, so it tints towards red: l = 0.50196, s = 0.05 gives m2 * 255 = 134.35
    // and m1 * 255 = 121.65.
    EXPECT_EQ(shiftSaturation(ws, 128, 128, 128, kSaturationStep), (RgbChannels{134, 122, 122}));
    EXPECT_EQ(shiftSaturation(ws, 255, 0, 0, kSaturationStep), (RgbChannels{255, 0, 0}));

    // Saturation 96 plus 5 must stop at 100; unclamped it would push red past 255.
    ws.RGBtoHSL(250, 5, 5);
    ASSERT_GT(ws.SatPct, 95);
    EXPECT_EQ(shiftSaturation(ws, 250, 5, 5, kSaturationStep), (RgbChannels{255, 0, 0}));
    EXPECT_EQ(ws.SatPct, 100);
}

TEST(AdjustmentsTest, DesaturateFromTwentyEndsAtAnExactGrey)
{
    ColorWorkspace ws;
    ws.RGBtoHSL(153, 102, 102);
    ASSERT_NEAR(ws.SatPct, 20, 1e-9);
    const double lightness = ws.LumPct;

    // Rounding to whole channels after each step nudges the saturation a little, so only the
    // direction of each step is checked on the way down.
    RgbChannels c{153, 102, 102};
    double saturation = ws.SatPct;
    for (int i = 1; i <= 5; ++i) {
        c = shiftSaturation(ws, c.red, c.green, c.blue, -kSaturationStep);
        ColorWorkspace check;
        check.RGBtoHSL(c.red, c.green, c.blue);
        EXPECT_LE(check.SatPct, saturation) << "step " << i;
        saturation = check.SatPct;
    }
    EXPECT_EQ(saturation, 0);
    EXPECT_EQ(c.red, c.green);
    EXPECT_EQ(c.green, c.blue);
    EXPECT_LE(std::abs(c.red - static_cast<int>(lightness * 2.55 + 0.5)), 1);

    // Already grey: saturation would go negative and stays at 0 instead.
    EXPECT_EQ(shiftSaturation(ws, 77, 77, 77, -kSaturationStep), (RgbChannels{77, 77, 77}));
    EXPECT_EQ(ws.SatPct, 0);
}

TEST(AdjustmentsTest, WebsafeRoundsToTheNearestMultipleOf51)
{
    const int table[][2] = {{0, 0},     {25, 0},    {26, 51}, {127, 102}, {128, 153}, {229, 204},
                            {230, 255}, {255, 255}, {51, 51}, {76, 51},   {77, 102}};
    for (const auto& row : table)
        EXPECT_EQ(websafeChannel(row[0]), row[1]) << "channel " << row[0];

    int failures = 0;
    for (int channel = 0; channel <= 255; ++channel) {
        const int safe = websafeChannel(channel);
        if (safe % 51 != 0 || safe < 0 || safe > 255 || std::abs(safe - channel) > 25)
            ++failures;
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace orvane
