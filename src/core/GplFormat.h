// SPDX-License-Identifier: MIT
#pragma once

#include "core/Palette.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// GIMP Palette text: the line "GIMP Palette", "Name: " and "Columns: " lines, comments from
// "#", then one colour a line as three decimal channels and an optional name.

// Writes LF line ends and each colour as "%3d %3d %3d", a tab and its name.
std::string writeGpl(const Palette& palette);
// Reads the shapes the programs that write this format use: with or without the name and
// columns lines, comments and blank lines anywhere, channels separated by any blanks, names
// with spaces or none, LF, CR LF or CR line ends. A colour line that does not hold three
// channels of 0-255 counts as skipped. Nothing when the first line is not "GIMP Palette".
std::optional<PaletteReading> readGpl(std::string_view text);

} // namespace orvane
