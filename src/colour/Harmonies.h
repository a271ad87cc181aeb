// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Scheme.h"

#include <array>
#include <optional>
#include <string_view>

namespace orvane {

// The harmony kinds in the order of the Harmonies window's list, and which of the eight
// harmony base colours each one shows in its squares.
struct HarmonyKind {
    std::string_view name;
    // Base-colour slots of the first, second and third square. Not named "slots": Qt defines that
    // word as a macro, and the windows include this header.
    std::array<int, 3> squareSlots;
    bool showsThird;
};

inline constexpr std::array<HarmonyKind, 4> kHarmonyKinds{{
    {"Complements", {0, 1, 0}, false},
    {"Split-Complements", {0, 2, 3}, true},
    {"Triad", {0, 4, 5}, true},
    {"Analogous", {6, 0, 7}, true}, // the base colour between its neighbours at -30 and +30
}};

struct HarmonySquares {
    std::array<ColorValue, 3> colors;
    bool showsThird;
};

// The squares of a kind; nothing for an index that names no kind (no selection).
std::optional<HarmonySquares> harmonySquares(int kindIndex, const HarmonyBaseColors& colors);

} // namespace orvane
