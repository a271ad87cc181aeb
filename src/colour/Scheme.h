// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/ColorWorkspace.h"

#include <array>

namespace orvane {

// How the sixteen scheme swatches are derived from the current colour.
enum class SchemeMode {
    ColorWheel,   // a twelve-step hue circle and two tint pairs
    GroupByColor, // four hue families of four lightness steps each
};

inline constexpr int kSchemeSwatchCount = 16;
using SchemeColors = std::array<ColorValue, kSchemeSwatchCount>;

inline constexpr int kHarmonyColorCount = 8;
using HarmonyBaseColors = std::array<ColorValue, kHarmonyColorCount>;

// Derives the scheme from the workspace's current colour (CurR, CurG, CurB). The working fields
// are left as the last swatch computation leaves them, not at the base colour.
SchemeColors deriveScheme(ColorWorkspace& workspace, SchemeMode mode);

// The eight base colours of the harmonies, read from scheme swatches 0, 6, 5, 7, 4, 8, 11, 1.
HarmonyBaseColors harmonyBaseColors(const SchemeColors& scheme);

} // namespace orvane
