// SPDX-License-Identifier: MIT
#pragma once

#include "core/Pixels.h"

#include <vector>

namespace orvane {

// Where the screen picker's magnifier samples the desktop and where its panel stands. Plain
// rules on whole pixels, kept apart from the window so they can be checked without one.

// The magnifier enlarges a block of this many pixels along each side...
inline constexpr int kMagnifiedSpan = 24;
// ...painting each of them as a square of this many pixels along each side.
inline constexpr int kMagnifierZoom = 3;
// The panel's left edge when it stands on the left; it also never leaves this top.
inline constexpr int kMagnifierPanelHome = 40;

// Where one screen's device pixels stand. Platforms give a screen's top-left corner the same
// coordinates in logical and in device pixels and scale only from there; the snapshot shows the
// screen from snapshotOrigin on, each device pixel as snapshotScale × snapshotScale of its own
// (more than one only beside a denser screen).
struct ScreenPixels {
    PixelPoint origin;
    PixelPoint deviceSize;
    double ratio = 1; // device pixels to a logical pixel
    PixelPoint snapshotOrigin;
    double snapshotScale = 1;
};

// The picker's one window over every screen, described as a screen of its own: it covers the
// device pixels of all screens from their top-left corner on, and the platform scales it as a
// whole by the ratio of the screen it starts on. Its logical size is deviceSize / ratio.
ScreenPixels pickerWindowPixels(const std::vector<ScreenPixels>& screens);

// Where the picker window shows one screen's part of the snapshot: the target in the window's
// logical pixels, the source in snapshot pixels.
struct SnapshotPiece {
    double targetX = 0;
    double targetY = 0;
    double targetWidth = 0;
    double targetHeight = 0;
    PixelRect source;
};
std::vector<SnapshotPiece> snapshotPieces(const ScreenPixels& window,
                                          const std::vector<ScreenPixels>& screens);

// The device pixel under a logical position on the screen. Logical positions at fractional
// ratios are device pixels divided by the ratio; the slack keeps such a quotient, multiplied
// back, from falling just short of its pixel.
PixelPoint devicePixelAt(double x, double y, const ScreenPixels& screen);
// The screen that shows the device pixel: the one whose rectangle holds it, else the first.
const ScreenPixels& screenHolding(PixelPoint device, const std::vector<ScreenPixels>& screens);
// The screen that shows the logical position: the one whose rectangle holds it, else the first.
const ScreenPixels& screenHolding(double x, double y, const std::vector<ScreenPixels>& screens);
// The device pixel a step of the arrow keys leads to: across onto the next screen where one
// continues, else stopping at the edge of the screen the pointer is on. A screen of no pixels,
// as one being unplugged may report, has no edge to stop at: the pointer stays.
PixelPoint steppedPointer(PixelPoint pointer, int dx, int dy,
                          const std::vector<ScreenPixels>& screens);
// The snapshot pixel showing the device pixel on that screen.
PixelPoint snapshotPixelOf(PixelPoint device, const ScreenPixels& screen);

// The first column (or row) of the sampled block for the pointer at this coordinate on a
// desktop that is extent pixels long in that direction.
int magnifiedBlockStart(int pointer, int extent);
// The top-left pixel of the sampled block for the pointer on a width × height desktop.
PixelPoint magnifiedBlockOrigin(PixelPoint pointer, int width, int height);
// Where the panel's left edge goes when the pointer enters it: to the other side of a window
// that is windowWidth pixels wide.
int magnifierPanelLeftOnEnter(int left, int windowWidth);

} // namespace orvane
