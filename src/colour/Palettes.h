// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/ColorWorkspace.h"

namespace orvane {

// The web-safe palette: 6 rows (red levels) of 36 cells, 11 x 11 pixels each, placed every
// 10 pixels so that neighbours overlap by one pixel and the grid fills 361 x 61 pixels.
inline constexpr int kWebSafeRows = 6;
inline constexpr int kWebSafeColumns = 36;
inline constexpr int kWebSafeCellCount = kWebSafeRows * kWebSafeColumns;
inline constexpr int kWebSafeCellPitch = 10;
inline constexpr int kWebSafeCellSize = 11;
inline constexpr int kPaletteWidth = 361;
inline constexpr int kPaletteHeight = 61;

ColorValue webSafeCellColor(int cell);
// The cell shown at a pixel of the palette (a later cell lies over an earlier one), or -1
// outside the palette.
int webSafeCellAt(int x, int y);

// The spectrum: column x is hue x degrees, row 0 the lightest; its last column and row stay
// undrawn.
inline constexpr int kSpectrumDrawnWidth = 360;
inline constexpr int kSpectrumDrawnHeight = 60;

// The colour of spectrum pixel (x, row), computed through the workspace's HSL fields.
ColorValue spectrumPixelColor(ColorWorkspace& workspace, int x, int row);

} // namespace orvane
