// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

namespace orvane {

// How a viewer sees colours: normal vision, one of the three dichromacies (a missing long-,
// middle- or short-wavelength cone), or no colour at all.
enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// The colour as that viewer would see it. The dichromacies follow the model of Machado,
// Oliveira and Fernandes (2009) at full severity, applied in linear RGB; achromatopsia gives
// the grey of the colour's luminance. Normal vision leaves the colour as it is.
ColorValue simulateVision(ColorValue color, ColorVision vision);

} // namespace orvane
