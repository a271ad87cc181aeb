#include "colour/Scheme.h"
#include "colour/Harmonies.h"

#include <gtest/gtest.h>

#include <numeric>
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
    EXPECT_EQ(kHarmonyKinds[1].name, "Split-Complements");
    EXPECT_EQ(kHarmonyKinds[3].name, "Analogous");
    EXPECT_FALSE(harmonySquares(-1, base) || harmonySquares(4, base));
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

} // namespace
} // namespace orvane
