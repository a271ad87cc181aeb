// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <string>

namespace orvane {

// Legibility of text on a background by the WCAG 2.2 contrast rules.

// How much light an sRGB colour gives off, from 0 for black to 1 for white: the channels are
// linearised with the sRGB transfer function and weighted by the eye's sensitivity.
double relativeLuminance(ColorValue color);

// The contrast of two colours in hundredths, truncated: the lighter luminance plus 0.05 over the
// darker plus 0.05, from 100 (1:1, the same luminance) to 2100 (21:1, black on white). Truncated
// rather than rounded, so that a ratio just short of a threshold never reads as reaching it: a
// ratio of 4.499 is 449 and fails 4.5:1.
int contrastHundredths(ColorValue first, ColorValue second);

// What normal-sized text needs on its background: level AA 4.5:1, level AAA 7:1.
inline constexpr int kContrastAA = 450;
inline constexpr int kContrastAAA = 700;

// A ratio in hundredths as "21.00".
std::string contrastText(int hundredths);

} // namespace orvane
