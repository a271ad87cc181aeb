#include "colour/Harmonies.h"

#include <gtest/gtest.h>

#include <array>

namespace orvane
{
namespace
{

ColorValue rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

HarmonyBaseColors baseColorsOf(int red, int green, int blue, SchemeMode mode)
{
    ColorWorkspace ws;
    ws.setCurrent(red, green, blue);
    return harmonyBaseColors(deriveScheme(ws, mode));
}

void expectSquares(const HarmonyBaseColors& base, int kind, std::array<ColorValue, 3> colors,
                   bool showsThird)
{
    const auto squares = harmonySquares(kind, base);
    ASSERT_TRUE(squares.has_value()) << "kind " << kind;
    const int shown = showsThird ? 3 : 2;
    for (int square = 0; square < shown; ++square)
        EXPECT_EQ(WebHex(squares->colors[square]), WebHex(colors[square]))
            << "kind " << kind << ", square " << square;
    EXPECT_EQ(squares->showsThird, showsThird) << "kind " << kind;
}

TEST(HarmoniesTest, KindsInListOrderAndTheSlotsTheyShow)
{
    ASSERT_EQ(kHarmonyKinds.size(), 4u);
    EXPECT_EQ(kHarmonyKinds[0].name, "Complements");
    EXPECT_EQ(kHarmonyKinds[1].name, "Split-Complements");
    EXPECT_EQ(kHarmonyKinds[2].name, "Triad");
    EXPECT_EQ(kHarmonyKinds[3].name, "Analogous");

    // Recognisable values show which slot lands in which square.
    HarmonyBaseColors base{};
    for (int slot = 0; slot < kHarmonyColorCount; ++slot)
        base[slot] = 100 + slot;
    expectSquares(base, 0, {100, 101, 0}, false);
    expectSquares(base, 1, {100, 102, 103}, true);
    expectSquares(base, 2, {100, 104, 105}, true);
    expectSquares(base, 3, {106, 100, 107}, true);

    EXPECT_FALSE(harmonySquares(-1, base).has_value());
    EXPECT_FALSE(harmonySquares(4, base).has_value());
}

// Half-way channels are 127.5, rounded half to even to 128.
TEST(HarmoniesTest, PureRedInTheColourWheel)
{
    const HarmonyBaseColors red = baseColorsOf(255, 0, 0, SchemeMode::ColorWheel);
    expectSquares(red, 0, {rgb(255, 0, 0), rgb(0, 255, 255), 0}, false);
    expectSquares(red, 1, {rgb(255, 0, 0), rgb(0, 255, 128), rgb(0, 128, 255)}, true);
    expectSquares(red, 2, {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)}, true);
    expectSquares(red, 3, {rgb(255, 0, 128), rgb(255, 0, 0), rgb(255, 128, 0)}, true);
}

TEST(HarmoniesTest, GreyGivesEqualSquaresInEveryKind)
{
    const HarmonyBaseColors grey = baseColorsOf(90, 90, 90, SchemeMode::ColorWheel);
    const ColorValue g = rgb(90, 90, 90);
    expectSquares(grey, 0, {g, g, 0}, false);
    for (int kind = 1; kind < 4; ++kind)
        expectSquares(grey, kind, {g, g, g}, true);
}

TEST(HarmoniesTest, GroupModeComplementIsGridSwatchSix)
{
    ColorWorkspace ws;
    ws.setCurrent(40, 160, 90);
    const SchemeColors scheme = deriveScheme(ws, SchemeMode::GroupByColor);
    const auto squares = harmonySquares(0, harmonyBaseColors(scheme));
    ASSERT_TRUE(squares.has_value());
    EXPECT_EQ(squares->colors[0], scheme[0]);
    EXPECT_EQ(squares->colors[1], scheme[6]);
    EXPECT_NE(scheme[0], scheme[6]);
}

} // namespace
} // namespace orvane
