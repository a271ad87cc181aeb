#include "colour/Palettes.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane
{
namespace
{

ColorValue rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

TEST(PalettesTest, WebSafeCellColours)
{
    struct Row {
        int cell;
        ColorValue color;
    };
    const Row rows[] = {
        {0, rgb(0, 0, 0)},
        {5, rgb(0, 0, 255)},
        {6, rgb(0, 51, 0)},
        {35, rgb(0, 255, 255)},
        {36, rgb(51, 0, 0)},
        {215, rgb(255, 255, 255)},
        {3 * 36 + 14, rgb(153, 102, 102)}, // row 3, column 14
    };
    for (const Row& row : rows)
        EXPECT_EQ(WebHex(webSafeCellColor(row.cell)), WebHex(row.color)) << "cell " << row.cell;

    // All 216 cells are distinct and every channel is a multiple of 51.
    std::set<ColorValue> seen;
    int offLevel = 0;
    for (int cell = 0; cell < kWebSafeCellCount; ++cell) {
        const ColorValue color = webSafeCellColor(cell);
        seen.insert(color);
        const RgbChannels c = SplitColor(color);
        if (c.red % 51 || c.green % 51 || c.blue % 51 || !isValidColor(color))
            ++offLevel;
    }
    EXPECT_EQ(seen.size(), 216u);
    EXPECT_EQ(offLevel, 0);
}

// Cells sit every 10 pixels but are 11 wide, so a shared pixel belongs to the later cell that
// lies on top; the last column and row are covered by the last cells only.
TEST(PalettesTest, WebSafeCellUnderThePointer)
{
    struct Row {
        int x, y;
        int cell;
    };
    const Row rows[] = {
        {0, 0, 0},    {9, 9, 0},      {10, 0, 1},     {19, 0, 1},     {20, 0, 2},
        {0, 10, 36},  {140, 30, 122}, {349, 0, 34},   {350, 0, 35},   {360, 0, 35},
        {0, 59, 180}, {0, 60, 180},   {360, 60, 215}, {-1, 0, -1},    {0, -1, -1},
        {361, 0, -1}, {0, 61, -1},    {361, 61, -1},  {-10, -10, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(webSafeCellAt(row.x, row.y), row.cell) << "at " << row.x << "," << row.y;
}

// Lightness step 1.6393442 per row from the bottom. Full saturation: below half lightness
// m2 = 2l and m1 = 0; above it m2 = 1 and m1 = 2l - 1.
TEST(PalettesTest, SpectrumPixels)
{
    struct Row {
        int x, row;
        double lightness;
        ColorValue handWorked;
    };
    const Row rows[] = {
        // Near-black red: m2 = 0.0328 gives red 8.36.
        {0, 59, 1.6393442, rgb(8, 0, 0)},
        // Near-white green: m1 = 0.9672 gives 246.6.
        {120, 0, 1.6393442 * 60, rgb(247, 255, 247)},
        // Hue 60 at 50.82: m1 = 0.0164 gives blue 4.2.
        {60, 29, 1.6393442 * 31, rgb(255, 255, 4)},
        {240, 30, 1.6393442 * 30, rgb(0, 0, 251)},
        {359, 59, 1.6393442, rgb(8, 0, 0)},
    };
    ColorWorkspace ws;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.row);
        ColorWorkspace fresh;
        fresh.HSLtoRGB(row.x, 100, row.lightness);
        const ColorValue pixel = spectrumPixelColor(ws, row.x, row.row);
        EXPECT_EQ(pixel, MakeColor(fresh.OutR, fresh.OutG, fresh.OutB));
        EXPECT_EQ(WebHex(pixel), WebHex(row.handWorked));
    }
}

} // namespace
} // namespace orvane
