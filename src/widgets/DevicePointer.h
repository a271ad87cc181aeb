// SPDX-License-Identifier: MIT
#pragma once

#include "core/PickerGeometry.h"

#include <optional>

namespace orvane {

// The pointer in device pixels of the desktop. Qt hands pointer positions over in logical
// pixels, rounded to whole ones on X11, so at ratio 2 it cannot tell an odd device pixel from
// its neighbour; these ask the platform itself where it can.

// The device pixel under the pointer, where the platform tells it (X11); nothing elsewhere.
std::optional<PixelPoint> exactDevicePointer();
// Puts the pointer on this device pixel of the screen: exactly on X11, elsewhere on the logical
// position nearest it.
void moveDevicePointer(PixelPoint device, const ScreenPixels& screen);

} // namespace orvane
