// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

namespace orvane {

// Colour models other programs write colours in, to and from 8-bit sRGB channels. Channels come
// out rounded half to even and clipped to 0-255; a value that is not a number counts as 0.

// HSL as CSS reads it: hue in degrees, saturation and lightness from 0 to 1.
struct CssHsl {
    double hue = 0; // 0 up to 360
    double saturation = 0;
    double lightness = 0;
};
CssHsl toCssHsl(RgbChannels rgb);
// Any hue is taken modulo 360; saturation and lightness are clipped to 0-1.
RgbChannels fromCssHsl(double hue, double saturation, double lightness);

// Red, green and blue from 0 to 1.
RgbChannels fromUnitRgb(double red, double green, double blue);
// Grey from 0 (black) to 1 (white).
RgbChannels fromGray(double gray);
// CMYK from 0 to 1 without a colour profile: R = 255 (1 - C)(1 - K), G and B alike from M and Y.
RgbChannels fromCmyk(double cyan, double magenta, double yellow, double black);
// CIE L*a*b* (L from 0 to 100) relative to the D50 white that print work and colour profiles
// use: Lab to XYZ under D50, the Bradford adaptation to D65, then linear sRGB and its transfer
// curve.
RgbChannels fromLabD50(double lightness, double a, double b);

} // namespace orvane
