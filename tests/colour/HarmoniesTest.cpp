#include "colour/Harmonies.h"

#include <gtest/gtest.h>

#include <array>

namespace orvane {
namespace {

// Squares shown for each kind in list order; an unshown third square is 0.
std::array<std::array<ColorValue, 3>, 4> squaresOf(const HarmonyBaseColors& base)
{
    std::array<std::array<ColorValue, 3>, 4> all{};
    for (int kind = 0; kind < 4; ++kind) {
        const auto squares = harmonySquares(kind, base);
        for (int i = 0; squares && i < (squares->showsThird ? 3 : 2); ++i)
            all[kind][i] = squares->colors[i];
    }
    return all;
}

TEST(HarmoniesTest, KindsInListOrderShowTheirSlots)
{
    ASSERT_EQ(kHarmonyKinds.size(), 4u);
    EXPECT_EQ(kHarmonyKinds[1].name, "Split-Complements");
    EXPECT_EQ(kHarmonyKinds[3].name, "Analogous");
    HarmonyBaseColors base{100, 101, 102, 103, 104, 105, 106, 107}; // recognisable slots
    EXPECT_EQ(squaresOf(base),
              (std::array<std::array<ColorValue, 3>, 4>{
                  {{100, 101, 0}, {100, 102, 103}, {100, 104, 105}, {106, 100, 107}}}));
    EXPECT_FALSE(harmonySquares(-1, base).has_value());
    EXPECT_FALSE(harmonySquares(4, base).has_value());

    // In group mode the complement is grid swatch six.
    ColorWorkspace ws;
    ws.setCurrent(40, 160, 90);
    const SchemeColors scheme = deriveScheme(ws, SchemeMode::GroupByColor);
    EXPECT_EQ(squaresOf(harmonyBaseColors(scheme))[0], (std::array{scheme[0], scheme[6], 0}));
}

} // namespace
} // namespace orvane
