// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Scheme.h"
#include "colour/Translatable.h"

#include <array>
#include <optional>

namespace orvane {

// The harmony kinds in the order of the Harmonies window's list, and which of the eight
// harmony base colours each one shows in its squares.
struct HarmonyKind {
    const char* name; // translated where the list shows it
    // Base-colour slots of the first, second and third square. Not named "slots": Qt defines that
    // word as a macro, and the windows include this header.
    std::array<int, 3> squareSlots;
    bool showsThird;
};

inline constexpr std::array<HarmonyKind, 4> kHarmonyKinds{{
    {QT_TRANSLATE_NOOP("orvane::HarmoniesWindow", "Complements"), {0, 1, 0}, false},
    {QT_TRANSLATE_NOOP("orvane::HarmoniesWindow", "Split-Complements"), {0, 2, 3}, true},
    {QT_TRANSLATE_NOOP("orvane::HarmoniesWindow", "Triad"), {0, 4, 5}, true},
    // The base colour between its neighbours at -30 and +30.
    {QT_TRANSLATE_NOOP("orvane::HarmoniesWindow", "Analogous"), {6, 0, 7}, true},
}};

struct HarmonySquares {
    std::array<ColorValue, 3> colors;
    bool showsThird;
};

// The squares of a kind; nothing for an index that names no kind (no selection).
std::optional<HarmonySquares> harmonySquares(int kindIndex, const HarmonyBaseColors& colors);

} // namespace orvane
