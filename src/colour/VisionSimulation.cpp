// SPDX-License-Identifier: MIT
#include "colour/VisionSimulation.h"

#include "colour/SrgbTransfer.h"

#include <array>

namespace orvane {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Rows give the simulated red, green and blue from the linear red, green and blue.
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};
// Every channel becomes the luminance.
constexpr Matrix kAchromatopsia = {
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

const Matrix& matrixOf(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Protanopia:
        return kProtanopia;
    case ColorVision::Deuteranopia:
        return kDeuteranopia;
    case ColorVision::Tritanopia:
        return kTritanopia;
    default:
        return kAchromatopsia;
    }
}

} // namespace

ColorValue simulateVision(ColorValue color, ColorVision vision)
{
    if (vision == ColorVision::Normal)
        return color;
    const RgbChannels rgb = SplitColor(color);
    const std::array<double, 3> linear = {srgbToLinear(rgb.red), srgbToLinear(rgb.green),
                                          srgbToLinear(rgb.blue)};
    const Matrix& matrix = matrixOf(vision);
    std::array<double, 3> seen{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            seen[row] += matrix[row][column] * linear[column];
    return MakeColor(linearToSrgb(seen[0]), linearToSrgb(seen[1]), linearToSrgb(seen[2]));
}

} // namespace orvane
