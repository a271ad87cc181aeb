// SPDX-License-Identifier: MIT
#include "colour/ColorModels.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

int toChannel(double scaled)
{
    if (!(scaled > 0)) // also a value that is not a number
        return 0;
    return scaled >= 255 ? 255 : static_cast<int>(roundHalfEven(scaled));
}

double clipUnit(double value)
{
    return value > 0 ? std::min(value, 1.0) : 0.0;
}

} // namespace

CssHsl toCssHsl(RgbChannels rgb)
{
    const int high = std::max({rgb.red, rgb.green, rgb.blue});
    const int low = std::min({rgb.red, rgb.green, rgb.blue});
    CssHsl hsl;
    hsl.lightness = (high + low) / 510.0;
    const double spread = high - low;
    if (spread == 0)
        return hsl;
    hsl.saturation = spread / 255.0 / (1 - std::fabs(2 * hsl.lightness - 1));
    double sector = 0;
    if (high == rgb.red)
        sector = (rgb.green - rgb.blue) / spread;
    else if (high == rgb.green)
        sector = (rgb.blue - rgb.red) / spread + 2;
    else
        sector = (rgb.red - rgb.green) / spread + 4;
    hsl.hue = sector < 0 ? sector * 60 + 360 : sector * 60;
    return hsl;
}

RgbChannels fromCssHsl(double hue, double saturation, double lightness)
{
    hue = std::isfinite(hue) ? std::fmod(hue, 360.0) : 0.0;
    if (hue < 0)
        hue += 360;
    const double s = clipUnit(saturation);
    const double l = clipUnit(lightness);
    const double reach = s * std::min(l, 1 - l);
    const auto channel = [&](double offset) {
        const double k = std::fmod(offset + hue / 30, 12.0);
        return toChannel(255 * (l - reach * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))));
    };
    return {channel(0), channel(8), channel(4)};
}

RgbChannels fromUnitRgb(double red, double green, double blue)
{
    return {toChannel(255 * red), toChannel(255 * green), toChannel(255 * blue)};
}

RgbChannels fromGray(double gray)
{
    const int level = toChannel(255 * gray);
    return {level, level, level};
}

RgbChannels fromCmyk(double cyan, double magenta, double yellow, double black)
{
    const double white = 1 - clipUnit(black);
    return {toChannel(255 * (1 - clipUnit(cyan)) * white),
            toChannel(255 * (1 - clipUnit(magenta)) * white),
            toChannel(255 * (1 - clipUnit(yellow)) * white)};
}

RgbChannels fromLabD50(double lightness, double a, double b)
{
    // CIE Lab to XYZ relative to the D50 white.
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    const double fy = (lightness + 16) / 116;
    const double fx = fy + a / 500;
    const double fz = fy - b / 200;
    const auto inverse = [&](double f) {
        const double cube = f * f * f;
        return cube > kEpsilon ? cube : (116 * f - 16) / kKappa;
    };
    const double x = 0.96422 * inverse(fx);
    const double y = lightness > kKappa * kEpsilon ? fy * fy * fy : lightness / kKappa;
    const double z = 0.82521 * inverse(fz);

    // Bradford adaptation from D50 to D65.
    const double x65 = 0.9555766 * x - 0.0230393 * y + 0.0631636 * z;
    const double y65 = -0.0282895 * x + 1.0099416 * y + 0.0210077 * z;
    const double z65 = 0.0122982 * x - 0.0204830 * y + 1.3299098 * z;

    // XYZ under D65 to linear sRGB, then the sRGB curve.
    const auto encode = [](double linear) {
        return toChannel(linearToSrgb(std::isfinite(linear) ? linear : 0.0));
    };
    return {encode(3.2404542 * x65 - 1.5371385 * y65 - 0.4985314 * z65),
            encode(-0.9692660 * x65 + 1.8760108 * y65 + 0.0415560 * z65),
            encode(0.0556434 * x65 - 0.2040259 * y65 + 1.0572252 * z65)};
}

} // namespace orvane
