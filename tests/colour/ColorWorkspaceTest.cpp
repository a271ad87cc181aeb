#include "colour/ColorWorkspace.h"
#include "colour/ColorValue.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace orvane
{
namespace
{

TEST(ColorWorkspaceTest, RgbToHslOfKnownColours)
{
    struct Row {
        int red, green, blue;
        double hue, saturation, lightness;
    };
    const Row rows[] = {
        {128, 128, 128, 0, 0, 12800.0 / 255},
        {0, 0, 0, 0, 0, 0},
        {255, 255, 255, 0, 0, 100},
        // Lightness exactly 0.5 takes the (max - min) / (2 - max - min) branch.
        {255, 0, 0, 0, 100, 50},
        {0, 255, 0, 120, 100, 50},
        {0, 0, 255, 240, 100, 50},
        {255, 255, 0, 60, 100, 50},
        {0, 255, 255, 180, 100, 50},
        // Red and blue both reach the maximum: the blue test's 5 replaces the red test's -1.
        {255, 0, 255, 300, 100, 50},
        // A negative raw hue is brought into range: 360 - 60 * 128 / 255.
        {255, 0, 128, 360 - 60 * 128.0 / 255, 100, 50},
        {153, 102, 102, 0, 20, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.red << "," << row.green << "," << row.blue);
        ColorWorkspace ws;
        ws.RGBtoHSL(row.red, row.green, row.blue);
        EXPECT_NEAR(ws.HueDeg, row.hue, 1e-9);
        EXPECT_NEAR(ws.SatPct, row.saturation, 1e-9);
        EXPECT_NEAR(ws.LumPct, row.lightness, 1e-9);
    }

    // A hair of blue on red gives a raw hue so slightly negative that adding 360 lands on 360
    // exactly, which must come back to 0.
    ColorWorkspace ws;
    ws.RGBtoHSL(255, 0, 1e-15);
    EXPECT_GE(ws.HueDeg, 0);
    EXPECT_LT(ws.HueDeg, 360);
}

TEST(ColorWorkspaceTest, HslToRgbOfKnownColours)
{
    struct Row {
        double hue, saturation, lightness;
        double red, green, blue;
    };
    const Row rows[] = {
        {0, 100, 50, 255, 0, 0},
        {120, 100, 50, 0, 255, 0},
        {240, 100, 50, 0, 0, 255},
        // Red's hue 420 wraps to 60 inside FindRGB.
        {300, 100, 50, 255, 0, 255},
        // Channels stay unrounded.
        {30, 100, 50, 255, 127.5, 0},
        // Saturation below one percent is a grey of L * 2.55, whatever the hue.
        {200, 0.9, 40, 102, 102, 102},
        {77, 0.99, 100, 255, 255, 255},
        // Exactly one percent is not grey: m2 = 0.505, m1 = 0.495.
        {0, 1, 50, 0.505 * 255, 0.495 * 255, 0.495 * 255},
        // Above half lightness m2 = s + l - s * l = 1, m1 = 0.2.
        {60, 100, 60, 255, 255, 51},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.hue << "/" << row.saturation << "/" << row.lightness);
        ColorWorkspace ws;
        ws.HSLtoRGB(row.hue, row.saturation, row.lightness);
        EXPECT_NEAR(ws.OutR, row.red, 1e-9);
        EXPECT_NEAR(ws.OutG, row.green, 1e-9);
        EXPECT_NEAR(ws.OutB, row.blue, 1e-9);
    }
    ColorWorkspace ws;
    ws.HSLtoRGB(30, 100, 50);
    EXPECT_EQ(MakeColor(ws.OutR, ws.OutG, ws.OutB), 255 + 128 * 256);
}

TEST(ColorWorkspaceTest, FindRgbWrapsTheHueOnceInPlace)
{
    const double m1 = 0.2;
    const double m2 = 0.8;
    struct Row {
        double hue;
        double wrapped;
        double result;
    };
    const Row rows[] = {
        {360, 360, m1}, // exactly 360 is left alone and falls in the last band
        {361, 1, (m2 - m1) / 60 + m1},
        {420, 60, m2},
        {-30, 330, m1},
        {-120, 240, m1},
        {30, 30, (m2 - m1) * 30 / 60 + m1},
        {179.5, 179.5, m2},
        {210, 210, (m2 - m1) * 30 / 60 + m1},
        {0, 0, m1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hue);
        double hue = row.hue;
        EXPECT_NEAR(ColorWorkspace::FindRGB(m1, m2, hue), row.result, 1e-12);
        EXPECT_EQ(hue, row.wrapped);
    }
}

// Every colour: HSL stays in range, and converting back returns the colour except where the
// below-one-percent saturation rule turns a near-grey into an exact grey.
TEST(ColorWorkspaceTest, EveryColourRoundTripsThroughHsl)
{
    std::int64_t outOfRange = 0;
    std::int64_t mismatches = 0;
    std::int64_t nearGreys = 0;
    ColorWorkspace ws;
    for (ColorValue value = 0; value <= kWhite; ++value) {
        const RgbChannels c = SplitColor(value);
        ws.RGBtoHSL(c.red, c.green, c.blue);
        if (ws.HueDeg < 0 || ws.HueDeg >= 360 || ws.SatPct < 0 || ws.SatPct > 100 ||
            ws.LumPct < 0 || ws.LumPct > 100)
            ++outOfRange;
        const bool nearGrey = ws.SatPct < 1;
        ws.HSLtoRGB(ws.HueDeg, ws.SatPct, ws.LumPct);
        const RgbChannels back = SplitColor(MakeColor(ws.OutR, ws.OutG, ws.OutB));
        if (nearGrey) {
            ++nearGreys;
            const bool grey = back.red == back.green && back.green == back.blue;
            const auto within = [](int a, int b) { return a - b <= 1 && b - a <= 1; };
            if (!grey || !within(back.red, c.red) || !within(back.green, c.green) ||
                !within(back.blue, c.blue))
                ++mismatches;
        } else if (back != c) {
            ++mismatches;
        }
    }
    EXPECT_EQ(outOfRange, 0);
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(nearGreys, 256); // the exact greys and their one-step neighbours
}

} // namespace
} // namespace orvane
