// SPDX-License-Identifier: MIT
#include "colour/Contrast.h"
#include "colour/VisionSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace orvane {
namespace {

// Published figures: 21:1 for black on white, #767676 as the lightest grey that passes AA on
// white and #777777 as the darkest that fails it (4.478 truncates to 4.47), and the program's
// start colour.
TEST(LegibilityTest, ContrastRatiosTruncateToHundredths)
{
    struct Row {
        ColorValue first, second;
        int hundredths;
    };
    const Row rows[] = {{0, kWhite, 2100},        {kWhite, 0, 2100},       {0x767676, kWhite, 454},
                        {0x777777, kWhite, 447},  {0xE72333, kWhite, 828}, {0xE72333, 0, 253},
                        {0xD13241, 0xD13241, 100}};
    for (const Row& row : rows)
        EXPECT_EQ(contrastHundredths(row.first, row.second), row.hundredths) << row.first;
    EXPECT_EQ(contrastText(2100), "21.00");
    EXPECT_EQ(contrastText(449), "4.49");
    EXPECT_EQ(contrastText(100), "1.00");
}

// The matrices of Machado, Oliveira and Fernandes (2009), severity 1, rows giving the simulated
// red, green and blue, and the luminance row for achromatopsia; worked through here in long
// double with the transfer functions written out afresh.
long double linearOf(int channel)
{
    const long double c = channel / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

int encodedOf(long double light)
{
    const long double l = std::clamp(light, 0.0L, 1.0L);
    const long double c = l <= 0.0031308L ? 12.92L * l : 1.055L * std::pow(l, 1 / 2.4L) - 0.055L;
    return static_cast<int>(std::lround(c * 255));
}

TEST(LegibilityTest, SimulatedVisionFollowsThePublishedMatrices)
{
    using M = long double[3][3];
    const M protanopia = {{0.152286L, 1.052583L, -0.204868L},
                          {0.114503L, 0.786281L, 0.099216L},
                          {-0.003882L, -0.048116L, 1.051998L}};
    const M deuteranopia = {{0.367322L, 0.860646L, -0.227968L},
                            {0.280085L, 0.672501L, 0.047413L},
                            {-0.011820L, 0.042940L, 0.968881L}};
    const M tritanopia = {{1.255528L, -0.076749L, -0.178779L},
                          {-0.078411L, 0.930809L, 0.147602L},
                          {0.004733L, 0.691367L, 0.303900L}};
    const M achromatopsia = {
        {0.2126L, 0.7152L, 0.0722L}, {0.2126L, 0.7152L, 0.0722L}, {0.2126L, 0.7152L, 0.0722L}};
    const M normal = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const std::pair<ColorVision, const M*> visions[] = {
        {ColorVision::Normal, &normal},
        {ColorVision::Protanopia, &protanopia},
        {ColorVision::Deuteranopia, &deuteranopia},
        {ColorVision::Tritanopia, &tritanopia},
        {ColorVision::Achromatopsia, &achromatopsia}};

    std::mt19937 random(20091201);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int sample = 0; sample < 300; ++sample) {
        const int rgb[3] = {channel(random), channel(random), channel(random)};
        for (const auto& [vision, matrix] : visions) {
            const RgbChannels seen =
                SplitColor(simulateVision(MakeColor(rgb[0], rgb[1], rgb[2]), vision));
            const int got[3] = {seen.red, seen.green, seen.blue};
            for (int row = 0; row < 3; ++row) {
                long double light = 0;
                for (int column = 0; column < 3; ++column)
                    light += (*matrix)[row][column] * linearOf(rgb[column]);
                EXPECT_NEAR(got[row], encodedOf(light), 1)
                    << int(vision) << ": " << rgb[0] << "," << rgb[1] << "," << rgb[2];
            }
        }
    }
    // Worked by hand: pure red as a protanope sees it, a dull olive.
    EXPECT_EQ(SplitColor(simulateVision(0x0000FF, ColorVision::Protanopia)),
              (RgbChannels{109, 95, 0}));
}

} // namespace
} // namespace orvane
