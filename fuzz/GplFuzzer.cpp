// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the GIMP Palette reader and writes back what it read.

#include "PaletteFuzzSupport.h"

#include "core/GplFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    using fuzz::require;
    const std::optional<PaletteReading> read =
        readGpl(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::requireSound(read);
    if (!read)
        return 0;
    // Names have no line ends and no blanks at either end, so the file written keeps them all.
    const std::optional<PaletteReading> again = readGpl(writeGpl(read->palette));
    require(again.has_value(), "a written palette is a palette");
    require(again->skipped == 0, "every written colour reads back");
    require(again->palette.colors == read->palette.colors, "colours and names read back the same");
    require(again->palette.name == read->palette.name, "the palette's name reads back the same");
    require(again->palette.columns == read->palette.columns, "the columns read back the same");
    return 0;
}
