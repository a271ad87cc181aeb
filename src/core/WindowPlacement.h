// SPDX-License-Identifier: MIT
#pragma once

#include "core/Pixels.h"

#include <vector>

namespace orvane {

// Where a tool window goes on the screens: a plain rule on logical pixels, kept apart from the
// window so that screens of any shape, one being unplugged included, can be checked without one.

// A window is taken hold of by the title strip across the top of its frame, this high...
inline constexpr int kTitleStripHeight = 20;
// ...and counts as on a screen when that screen holds the strip's whole height along this much
// of its width (or all of it, for a narrower window).
inline constexpr int kUsableStripWidth = 48;

// The top-left corner of a frame frameWidth wide that should stand at wanted, on screens with
// these available areas: wanted itself when the window counts as on one of them, else the
// nearest corner from which it does on the nearest screen. An area too small for the strip, as
// a screen being unplugged has, holds no window; with no other area the window stays where
// wanted.
PixelPoint placeOnScreens(PixelPoint wanted, int frameWidth, const std::vector<PixelRect>& areas);

} // namespace orvane
