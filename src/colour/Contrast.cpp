// SPDX-License-Identifier: MIT
#include "colour/Contrast.h"

#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane {

double relativeLuminance(ColorValue color)
{
    const RgbChannels rgb = SplitColor(color);
    return 0.2126 * srgbToLinear(rgb.red) + 0.7152 * srgbToLinear(rgb.green) +
           0.0722 * srgbToLinear(rgb.blue);
}

int contrastHundredths(ColorValue first, ColorValue second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    // The slack keeps a ratio that is exactly on a hundredth, such as 21, from falling short of
    // it by a rounding error of the division.
    return static_cast<int>(std::floor(ratio * 100 + 1e-9));
}

std::string contrastText(int hundredths)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

} // namespace orvane
