// SPDX-License-Identifier: MIT
#pragma once

namespace orvane {

// The sRGB transfer function: a channel of 0 to 255 as stored, to light on 0 to 1 and back.
double srgbToLinear(int channel);
// Light on 0 to 1 as a channel value on 0 to 255, not yet rounded; light outside the range is
// clipped to it.
double linearToSrgb(double linear);

} // namespace orvane
