// SPDX-License-Identifier: MIT
#include "colour/Palettes.h"

#include <algorithm>

namespace orvane {

namespace {
// The first eight digits of 100 / 61, kept as written so the pixels stay identical.
constexpr double kSpectrumLightnessStep = 1.6393442;
} // namespace

ColorValue webSafeCellColor(int cell)
{
    const int red = ((cell / 36) % 6) * 51;
    const int green = ((cell / 6) % 6) * 51;
    const int blue = (cell % 6) * 51;
    return MakeColor(red, green, blue);
}

int webSafeCellAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= kPaletteWidth || y >= kPaletteHeight)
        return -1;
    const int column = std::min(x / kWebSafeCellPitch, kWebSafeColumns - 1);
    const int row = std::min(y / kWebSafeCellPitch, kWebSafeRows - 1);
    return row * kWebSafeColumns + column;
}

ColorValue spectrumPixelColor(ColorWorkspace& ws, int x, int row)
{
    const int y = kSpectrumDrawnHeight - 1 - row;
    ws.HSLtoRGB(x, 100, kSpectrumLightnessStep * (y + 1));
    return MakeColor(ws.OutR, ws.OutG, ws.OutB);
}

} // namespace orvane
