#include "colour/ColorWorkspace.h"
#include "colour/ColorValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace orvane {
namespace {

TEST(ColorWorkspaceTest, KnownColoursConvertBothWays)
{
    // red, green, blue -> hue, saturation, lightness
    const double rows[][6] = {
        {128, 128, 128, 0, 0, 12800.0 / 255},
        {0, 0, 255, 240, 100, 50},   // lightness exactly 0.5 takes the (2 - max - min) branch
        {255, 0, 255, 300, 100, 50}, // red and blue both maximal: the blue test's 5 wins
        {255, 0, 128, 360 - 60 * 128.0 / 255, 100, 50}, // a negative raw hue is brought into range
        {153, 102, 102, 0, 20, 50},
        // A raw hue so slightly negative that adding 360 lands on 360 exactly must become 0.
        {255, 0, 1e-15, 0, 100, 50},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r[0] << "," << r[1] << "," << r[2]);
        ColorWorkspace ws;
        ws.RGBtoHSL(r[0], r[1], r[2]);
        EXPECT_NEAR(ws.HueDeg, r[3], 1e-9);
        EXPECT_NEAR(ws.SatPct, r[4], 1e-9);
        EXPECT_NEAR(ws.LumPct, r[5], 1e-9);
    }
    // hue, saturation, lightness -> red, green, blue, left unrounded
    const double back[][6] = {
        {300, 100, 50, 255, 0, 255}, // red's hue 420 wraps to 60 inside FindRGB
        {30, 100, 50, 255, 127.5, 0},
        {200, 0.9, 40, 102, 102, 102}, // below one percent a grey of L * 2.55, whatever the hue
        {0, 1, 50, 0.505 * 255, 0.495 * 255, 0.495 * 255}, // exactly one percent is not grey
        {60, 100, 60, 255, 255, 51}, // above half lightness m2 = s + l - s * l
    };
    for (const auto& r : back) {
        SCOPED_TRACE(testing::Message() << r[0] << "/" << r[1] << "/" << r[2]);
        ColorWorkspace ws;
        ws.HSLtoRGB(r[0], r[1], r[2]);
        EXPECT_NEAR(ws.OutR, r[3], 1e-9);
        EXPECT_NEAR(ws.OutG, r[4], 1e-9);
        EXPECT_NEAR(ws.OutB, r[5], 1e-9);
    }
}

TEST(ColorWorkspaceTest, FindRgbWrapsTheHueOnceInPlace)
{
    const double m1 = 0.2, m2 = 0.8;
    // hue, hue after the call, result
    const double rows[][3] = {
        {360, 360, m1}, // exactly 360 is left alone and falls in the last band
        {361, 1, (m2 - m1) / 60 + m1},
        {420, 60, m2},
        {-30, 330, m1},
        {30, 30, (m2 - m1) / 2 + m1},
        {179.5, 179.5, m2},
    };
    for (const auto& r : rows) {
        double hue = r[0];
        EXPECT_NEAR(ColorWorkspace::FindRGB(m1, m2, hue), r[2], 1e-12) << r[0];
        EXPECT_EQ(hue, r[1]);
    }
}

// Every colour: HSL stays in range, and converting back returns the colour except where the
// below-one-percent saturation rule turns a near-grey into an exact grey at most a step away.
TEST(ColorWorkspaceTest, EveryColourRoundTripsThroughHsl)
{
    std::int64_t failures = 0, nearGreys = 0;
    ColorWorkspace ws;
    for (ColorValue value = 0; value <= kWhite; ++value) {
        const RgbChannels c = SplitColor(value);
        ws.RGBtoHSL(c.red, c.green, c.blue);
        failures += ws.HueDeg < 0 || ws.HueDeg >= 360 || ws.SatPct < 0 || ws.SatPct > 100 ||
                    ws.LumPct < 0 || ws.LumPct > 100;
        const bool nearGrey = ws.SatPct < 1;
        ws.HSLtoRGB(ws.HueDeg, ws.SatPct, ws.LumPct);
        const RgbChannels b = SplitColor(MakeColor(ws.OutR, ws.OutG, ws.OutB));
        nearGreys += nearGrey;
        failures += nearGrey
                        ? b.red != b.green || b.green != b.blue || std::abs(b.red - c.red) > 1 ||
                              std::abs(b.green - c.green) > 1 || std::abs(b.blue - c.blue) > 1
                        : b != c;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(nearGreys, 256); // the exact greys and their one-step neighbours
}

} // namespace
} // namespace orvane
