// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the Adobe Swatch Exchange reader, in memory and from a file, and
// writes back what it read.

#include "PaletteFuzzSupport.h"

#include "core/AseFormat.h"
#include "core/PaletteFiles.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    using fuzz::require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<PaletteReading> read = readAse(bytes);
    fuzz::requireSound(read);

    static fuzz::MemoryFile file;
    file.replace(std::span<const std::uint8_t>(data, size));
    const PaletteImport fromFile = readPaletteFile(file.path());
    const PaletteImport fromMemory = readPalette(bytes);
    require(fromFile.problem == fromMemory.problem &&
                fromFile.reading.palette.colors == fromMemory.reading.palette.colors,
            "the file reader gives the palette of its bytes");
    if (!read)
        return 0;
    // Names come back as valid UTF-8 without zeros, which the writer keeps exactly.
    const std::optional<PaletteReading> again = readAse(writeAse(read->palette));
    require(again.has_value() && again->skipped == 0, "every written colour reads back");
    require(again->palette.colors == read->palette.colors, "colours and names read back the same");
    return 0;
}
