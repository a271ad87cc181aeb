// SPDX-License-Identifier: MIT
#include "colour/SrgbTransfer.h"

#include <algorithm>
#include <cmath>

namespace orvane {

double srgbToLinear(int channel)
{
    const double encoded = channel / 255.0;
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double linear)
{
    const double clipped = std::clamp(linear, 0.0, 1.0);
    const double encoded =
        clipped <= 0.0031308 ? clipped * 12.92 : 1.055 * std::pow(clipped, 1 / 2.4) - 0.055;
    return encoded * 255;
}

} // namespace orvane
