#include "colour/Scheme.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace orvane
{
namespace
{

ColorValue rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

SchemeColors schemeOf(int red, int green, int blue, SchemeMode mode)
{
    ColorWorkspace ws;
    ws.setCurrent(red, green, blue);
    return deriveScheme(ws, mode);
}

double lightnessOf(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    ColorWorkspace ws;
    ws.RGBtoHSL(c.red, c.green, c.blue);
    return ws.LumPct;
}

void expectSwatches(const SchemeColors& scheme,
                    std::initializer_list<std::pair<int, ColorValue>> want)
{
    for (const auto& [swatch, color] : want)
        EXPECT_EQ(WebHex(scheme[swatch]), WebHex(color)) << "swatch " << swatch;
}

// Pure hues at full saturation and lightness 50 are worked out by hand: m2 = 1, m1 = 0, and a
// half-way channel is 127.5, which rounds to 128.
TEST(SchemeTest, ColorWheelOfPureRed)
{
    const SchemeColors scheme = schemeOf(255, 0, 0, SchemeMode::ColorWheel);
    const ColorValue ring[12] = {
        rgb(255, 0, 0), rgb(255, 128, 0), rgb(255, 255, 0), rgb(128, 255, 0),
        rgb(0, 255, 0), rgb(0, 255, 128), rgb(0, 255, 255), rgb(0, 128, 255),
        rgb(0, 0, 255), rgb(128, 0, 255), rgb(255, 0, 255), rgb(255, 0, 128),
    };
    for (int swatch = 0; swatch < 12; ++swatch)
        EXPECT_EQ(WebHex(scheme[swatch]), WebHex(ring[swatch])) << "swatch " << swatch;

    // Lightness 50 is below 60, so the tints step lighter: at 62 m1 = 0.24, at 74 m1 = 0.48.
    expectSwatches(scheme, {{12, rgb(255, 61, 61)},
                            {13, rgb(255, 122, 122)},
                            {14, rgb(61, 255, 255)},
                            {15, rgb(122, 255, 255)}});
}

TEST(SchemeTest, HarmonyBaseColorsComeFromFixedSwatches)
{
    SchemeColors scheme{};
    for (int i = 0; i < kSchemeSwatchCount; ++i)
        scheme[i] = 1000 + i;
    const HarmonyBaseColors slots = harmonyBaseColors(scheme);
    const HarmonyBaseColors expected{1000, 1006, 1005, 1007, 1004, 1008, 1011, 1001};
    EXPECT_EQ(slots, expected);

    const HarmonyBaseColors red = harmonyBaseColors(schemeOf(255, 0, 0, SchemeMode::ColorWheel));
    EXPECT_EQ(red[0], rgb(255, 0, 0));
    EXPECT_EQ(red[1], rgb(0, 255, 255)); // complement
    EXPECT_EQ(red[2], rgb(0, 255, 128)); // split complements
    EXPECT_EQ(red[3], rgb(0, 128, 255));
    EXPECT_EQ(red[4], rgb(0, 255, 0)); // triad
    EXPECT_EQ(red[5], rgb(0, 0, 255));
    EXPECT_EQ(red[6], rgb(255, 0, 128)); // analogous
    EXPECT_EQ(red[7], rgb(255, 128, 0));
}

TEST(SchemeTest, GreyGivesAnAllGreyScheme)
{
    const SchemeColors wheel = schemeOf(128, 128, 128, SchemeMode::ColorWheel);
    for (int swatch = 0; swatch < 12; ++swatch)
        EXPECT_EQ(wheel[swatch], rgb(128, 128, 128)) << "swatch " << swatch;
    for (const ColorValue color : harmonyBaseColors(wheel))
        EXPECT_EQ(color, rgb(128, 128, 128));
    for (const ColorValue color : wheel) {
        const RgbChannels c = SplitColor(color);
        EXPECT_TRUE(c.red == c.green && c.green == c.blue) << WebHex(color);
    }
}

// Black steps lighter: 8.5 % of 255 = 21.675, 17 % = 43.35, 25.5 % = 65.025.
TEST(SchemeTest, BlackInGroupModeStepsIntoGreys)
{
    const SchemeColors scheme = schemeOf(0, 0, 0, SchemeMode::GroupByColor);
    const int greyOf[16] = {0, 22, 43, 65, 65, 65, 65, 43, 22, 0, 0, 0, 22, 43, 43, 22};
    for (int swatch = 0; swatch < kSchemeSwatchCount; ++swatch)
        EXPECT_EQ(scheme[swatch], rgb(greyOf[swatch], greyOf[swatch], greyOf[swatch]))
            << "swatch " << swatch;

    const SchemeColors wheel = schemeOf(0, 0, 0, SchemeMode::ColorWheel);
    expectSwatches(wheel, {{0, rgb(0, 0, 0)}, {12, rgb(31, 31, 31)}, {13, rgb(61, 61, 61)}});
}

// (51, 51, 255) has lightness exactly 60: (1 + 0.2) / 2. (50, 50, 255), at 59.8, is as close
// below 60 as whole channels get. Hue 240 and saturation 100 for both, so the expected swatches are
// worked out by hand from m2 and m1.
TEST(SchemeTest, LightnessSixtyStepsDarkerAndJustBelowStepsLighter)
{
    ColorWorkspace probe;
    probe.RGBtoHSL(51, 51, 255);
    ASSERT_EQ(probe.LumPct, 60.0);
    probe.RGBtoHSL(50, 50, 255);
    ASSERT_LT(probe.LumPct, 60.0);

    // Group mode at 60: lightness 51.5, 43, 34.5 down each family.
    const SchemeColors atSixty = schemeOf(51, 51, 255, SchemeMode::GroupByColor);
    expectSwatches(atSixty, {{0, rgb(51, 51, 255)},
                             {1, rgb(8, 8, 255)},
                             {2, rgb(0, 0, 219)},
                             {3, rgb(0, 0, 176)},
                             {11, rgb(255, 255, 51)},
                             {4, rgb(176, 176, 0)},
                             {10, rgb(255, 51, 153)},
                             {5, rgb(176, 0, 88)},
                             {9, rgb(51, 255, 153)},
                             {6, rgb(0, 176, 88)}});

    // Group mode just below 60 climbs to 85.3: m1 = 0.706 gives 180.
    const SchemeColors below = schemeOf(50, 50, 255, SchemeMode::GroupByColor);
    expectSwatches(below, {{3, rgb(180, 180, 255)}});
    EXPECT_NEAR(lightnessOf(below[3]), 85.3, 0.2);

    // Wheel mode: 60 - 12 = 48 gives blue 244.8; 59.8 + 12 = 71.8 gives m1 = 0.436.
    expectSwatches(schemeOf(51, 51, 255, SchemeMode::ColorWheel), {{12, rgb(0, 0, 245)}});
    expectSwatches(schemeOf(50, 50, 255, SchemeMode::ColorWheel), {{12, rgb(111, 111, 255)}});
}

TEST(SchemeTest, LightColourStepsDarkerInBothModes)
{
    ColorWorkspace probe;
    probe.RGBtoHSL(200, 220, 255);
    const double base = probe.LumPct;
    ASSERT_GE(base, 60);

    // A swatch rounded to whole channels is within 0.2 percent of its intended lightness.
    const SchemeColors wheel = schemeOf(200, 220, 255, SchemeMode::ColorWheel);
    EXPECT_NEAR(lightnessOf(wheel[12]), base - 12, 0.2);
    EXPECT_NEAR(lightnessOf(wheel[13]), base - 24, 0.2);
    EXPECT_NEAR(lightnessOf(wheel[14]), base - 12, 0.2);
    EXPECT_NEAR(lightnessOf(wheel[15]), base - 24, 0.2);
    for (int swatch = 0; swatch < 12; ++swatch)
        EXPECT_NEAR(lightnessOf(wheel[swatch]), base, 0.2) << "swatch " << swatch;

    const SchemeColors groups = schemeOf(200, 220, 255, SchemeMode::GroupByColor);
    const int families[4][4] = {{0, 1, 2, 3}, {11, 12, 13, 4}, {10, 15, 14, 5}, {9, 8, 7, 6}};
    for (const auto& family : families) {
        for (int step = 0; step < 4; ++step)
            EXPECT_NEAR(lightnessOf(groups[family[step]]), base - 8.5 * step, 0.2)
                << "swatch " << family[step];
    }
}

} // namespace
} // namespace orvane
