#pragma once

namespace orvane {

// Where the screen picker's magnifier samples the desktop and where its panel stands. Plain
// rules on whole pixels, kept apart from the window so they can be checked without one.

// The magnifier enlarges a block of this many pixels along each side...
inline constexpr int kMagnifiedSpan = 24;
// ...painting each of them as a square of this many pixels along each side.
inline constexpr int kMagnifierZoom = 3;
// The panel's left edge when it stands on the left; it also never leaves this top.
inline constexpr int kMagnifierPanelHome = 40;

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The first column (or row) of the sampled block for the pointer at this coordinate on a
// desktop that is extent pixels long in that direction.
int magnifiedBlockStart(int pointer, int extent);
// The top-left pixel of the sampled block for the pointer on a width × height desktop.
PixelPoint magnifiedBlockOrigin(PixelPoint pointer, int width, int height);
// Where the panel's left edge goes when the pointer enters it: to the other side of a window
// that is windowWidth pixels wide.
int magnifierPanelLeftOnEnter(int left, int windowWidth);

} // namespace orvane
