#include "colour/Palettes.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

ColorValue rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

TEST(PalettesTest, WebSafeCellColoursAreTheDistinctMultiplesOf51InOrder)
{
    for (const auto& [cell, color] : {std::pair{5, rgb(0, 0, 255)},
                                      {6, rgb(0, 51, 0)},
                                      {36, rgb(51, 0, 0)},
                                      {3 * 36 + 14, rgb(153, 102, 102)}})
        EXPECT_EQ(WebHex(webSafeCellColor(cell)), WebHex(color)) << "cell " << cell;
    std::set<ColorValue> seen;
    for (int cell = 0; cell < kWebSafeCellCount; ++cell) {
        const RgbChannels c = SplitColor(webSafeCellColor(cell));
        if (c.red % 51 == 0 && c.green % 51 == 0 && c.blue % 51 == 0)
            seen.insert(webSafeCellColor(cell));
    }
    EXPECT_EQ(seen.size(), 216u);
}

// Cells sit every 10 pixels but are 11 wide, so a shared pixel belongs to the later cell that
// lies on top; the last column and row are covered by the last cells only.
TEST(PalettesTest, WebSafeCellUnderThePointer)
{
    const int rows[][3] = {{9, 9, 0},    {10, 0, 1},   {0, 10, 36},  {140, 30, 122},
                           {350, 0, 35}, {360, 0, 35}, {0, 60, 180}, {360, 60, 215},
                           {-1, 0, -1},  {0, -1, -1},  {361, 0, -1}, {0, 61, -1}};
    for (const auto& [x, y, cell] : rows)
        EXPECT_EQ(webSafeCellAt(x, y), cell) << "at " << x << "," << y;
}

// Lightness step 1.6393442 per row from the bottom. Full saturation: below half lightness
// m2 = 2l and m1 = 0; above it m2 = 1 and m1 = 2l - 1.
TEST(PalettesTest, SpectrumPixels)
{
    const std::tuple<int, int, ColorValue> rows[] = {
        {0, 59, rgb(8, 0, 0)},        // m2 = 0.0328 gives red 8.36
        {120, 0, rgb(247, 255, 247)}, // m1 = 0.9672 gives 246.6
        {60, 29, rgb(255, 255, 4)},   // lightness 50.82: m1 = 0.0164 gives blue 4.2
        {240, 30, rgb(0, 0, 251)},    {359, 59, rgb(8, 0, 0)},
    };
    ColorWorkspace ws;
    for (const auto& [x, row, color] : rows)
        EXPECT_EQ(WebHex(spectrumPixelColor(ws, x, row)), WebHex(color)) << x << "," << row;
}

} // namespace
} // namespace orvane
