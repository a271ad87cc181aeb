// SPDX-License-Identifier: MIT
#include "colour/Scheme.h"
#include "colour/Harmonies.h"
#include "colour/Palettes.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

namespace orvane {
namespace {

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

// Pure hues at full saturation and lightness 50 are worked out by hand: m2 = 1, m1 = 0, and a
// half-way channel is 127.5, which rounds to 128. Lightness 50 is below 60, so the tints step
// lighter: at 62 m1 = 0.24, at 74 m1 = 0.48.
TEST(SchemeTest, ColorWheelOfPureRed)
{
    EXPECT_EQ(schemeOf(255, 0, 0, SchemeMode::ColorWheel),
              (SchemeColors{rgb(255, 0, 0), rgb(255, 128, 0), rgb(255, 255, 0), rgb(128, 255, 0),
                            rgb(0, 255, 0), rgb(0, 255, 128), rgb(0, 255, 255), rgb(0, 128, 255),
                            rgb(0, 0, 255), rgb(128, 0, 255), rgb(255, 0, 255), rgb(255, 0, 128),
                            rgb(255, 61, 61), rgb(255, 122, 122), rgb(61, 255, 255),
                            rgb(122, 255, 255)}));
    // Black steps lighter: 8.5 % of 255 = 21.675, 17 % = 43.35, 25.5 % = 65.025.
    const int g[16] = {0, 22, 43, 65, 65, 65, 65, 43, 22, 0, 0, 0, 22, 43, 43, 22};
    for (int i = 0; i < kSchemeSwatchCount; ++i)
        EXPECT_EQ(schemeOf(0, 0, 0, SchemeMode::GroupByColor)[i], g[i] * 0x010101) << i;
    for (const ColorValue color : schemeOf(128, 128, 128, SchemeMode::ColorWheel))
        EXPECT_EQ(color % 256 * 0x010101, color) << WebHex(color); // grey stays grey
}

// (51, 51, 255) has lightness exactly 60: (1 + 0.2) / 2. (50, 50, 255), at 59.8, is as close
// below 60 as whole channels get. Hue 240 and saturation 100 for both, so the expected swatches
// are worked out by hand from m2 and m1.
TEST(SchemeTest, LightnessSixtyStepsDarkerAndJustBelowStepsLighter)
{
    // Group mode at 60: lightness 51.5, 43, 34.5 down the family; just below it climbs to 85.3.
    const SchemeColors atSixty = schemeOf(51, 51, 255, SchemeMode::GroupByColor);
    EXPECT_EQ(std::vector(atSixty.begin(), atSixty.begin() + 7),
              (std::vector{rgb(51, 51, 255), rgb(8, 8, 255), rgb(0, 0, 219), rgb(0, 0, 176),
                           rgb(176, 176, 0), rgb(176, 0, 88), rgb(0, 176, 88)}));
    EXPECT_EQ(schemeOf(50, 50, 255, SchemeMode::GroupByColor)[3], rgb(180, 180, 255));
    // Wheel mode: 60 - 12 = 48 gives m2 = 0.96, 60 - 24 = 36 gives 0.72; 59.8 + 12 = 71.8
    // gives m1 = 0.436.
    const SchemeColors wheel = schemeOf(51, 51, 255, SchemeMode::ColorWheel);
    EXPECT_EQ(std::vector(wheel.begin() + 12, wheel.end()),
              (std::vector{rgb(0, 0, 245), rgb(0, 0, 184), rgb(245, 245, 0), rgb(184, 184, 0)}));
    EXPECT_EQ(schemeOf(50, 50, 255, SchemeMode::ColorWheel)[12], rgb(111, 111, 255));
}

TEST(SchemeTest, HarmonySquaresComeFromFixedSwatches)
{
    SchemeColors scheme{};
    std::iota(scheme.begin(), scheme.end(), 1000);
    const HarmonyBaseColors base = harmonyBaseColors(scheme);
    EXPECT_EQ(base, (HarmonyBaseColors{1000, 1006, 1005, 1007, 1004, 1008, 1011, 1001}));
    // Squares of each kind in list order; a hidden third square is 0 here.
    const std::array<ColorValue, 3> shown[] = {
        {1000, 1006, 0}, {1000, 1005, 1007}, {1000, 1004, 1008}, {1011, 1000, 1001}};
    for (int kind = 0; kind < 4; ++kind) {
        const auto squares = harmonySquares(kind, base);
        ASSERT_TRUE(squares.has_value());
        std::array<ColorValue, 3> colors = squares->colors;
        colors[2] = squares->showsThird ? colors[2] : 0;
        EXPECT_EQ(colors, shown[kind]) << kHarmonyKinds[kind].name;
    }
    EXPECT_STREQ(kHarmonyKinds[1].name, "Split-Complements");
    EXPECT_FALSE(harmonySquares(-1, base) || harmonySquares(4, base));
}

// The web-safe cells run blue fastest, then green, then red. Cells sit every 10 pixels but are
// 11 wide, so a shared pixel belongs to the later cell that lies on top; the last column and row
// are covered by the last cells only.
TEST(PalettesTest, WebSafeCellsAndTheCellUnderThePointer)
{
    for (const auto& [cell, color] :
         {std::pair{5, rgb(0, 0, 255)}, {6, rgb(0, 51, 0)}, {122, rgb(153, 102, 102)}})
        EXPECT_EQ(WebHex(webSafeCellColor(cell)), WebHex(color)) << "cell " << cell;
    std::set<ColorValue> seen;
    for (int cell = 0; cell < kWebSafeCellCount; ++cell) {
        const RgbChannels c = SplitColor(webSafeCellColor(cell));
        if (c.red % 51 == 0 && c.green % 51 == 0 && c.blue % 51 == 0)
            seen.insert(webSafeCellColor(cell));
    }
    EXPECT_EQ(seen.size(), 216u);

    const int rows[][3] = {{9, 9, 0},   {0, 10, 36}, {140, 30, 122}, {0, 60, 180}, {360, 60, 215},
                           {-1, 0, -1}, {0, -1, -1}, {361, 0, -1},   {0, 61, -1}};
    for (const auto& [x, y, cell] : rows)
        EXPECT_EQ(webSafeCellAt(x, y), cell) << "at " << x << "," << y;
}

// Lightness step 1.6393442 per row from the bottom. Full saturation: below half lightness
// m2 = 2l and m1 = 0; above it m2 = 1 and m1 = 2l - 1.
TEST(PalettesTest, SpectrumPixels)
{
    const std::tuple<int, int, ColorValue> rows[] = {
        {0, 59, rgb(8, 0, 0)},        // m2 = 0.0328 gives red 8.36
        {120, 0, rgb(247, 255, 247)}, // m1 = 0.9672 gives 246.6
        {60, 29, rgb(255, 255, 4)},   // lightness 50.82: m1 = 0.0164 gives blue 4.2
        {240, 30, rgb(0, 0, 251)},
    };
    ColorWorkspace ws;
    for (const auto& [x, row, color] : rows)
        EXPECT_EQ(WebHex(spectrumPixelColor(ws, x, row)), WebHex(color)) << x << "," << row;
}

} // namespace
} // namespace orvane
