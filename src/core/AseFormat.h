// SPDX-License-Identifier: MIT
#pragma once

#include "core/Palette.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Adobe Swatch Exchange 1.0, big-endian: "ASEF", version 1.0, the number of blocks, then blocks
// of a 16-bit type, a 32-bit length and that many bytes. A colour entry (type 0x0001) holds its
// name (a 16-bit count of UTF-16 units with the closing zero, then the units), a model ("RGB ",
// "CMYK", "LAB " or "Gray"), one 32-bit float per channel and a 16-bit colour type.

// A flat file of RGB colour entries of the normal colour type, channels as c / 255.
std::string writeAse(const Palette& palette);
// Reads colour entries of every model: Gray as a grey, CMYK and LAB through fromCmyk and
// fromLabD50 (LAB stored as L / 100, a, b). Group starts and ends and unknown blocks are passed
// over by their length; the first group's name names the palette. An entry that cannot be read
// (unknown model, a value that is no number, a block cut short) counts as skipped. Nothing when
// the text is not version 1 of the format.
std::optional<PaletteReading> readAse(std::string_view bytes);

} // namespace orvane
