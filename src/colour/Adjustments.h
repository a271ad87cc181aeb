// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/ColorWorkspace.h"

namespace orvane {

// The Adjust commands' rules, applied to whole channels 0-255.

inline constexpr int kSaturationStep = 5;

int lightenChannel(int channel, int step);
int darkenChannel(int channel, int step);
// The nearest multiple of 51 (0, 51, ... 255); 51 is odd, so there are no ties.
int websafeChannel(int channel);

// Moves the saturation by delta percentage points (clamped to 0-100) through the workspace's
// HSL fields and returns the channels rounded half to even.
RgbChannels shiftSaturation(ColorWorkspace& workspace, double red, double green, double blue,
                            double delta);

} // namespace orvane
