// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the JSON palette reader, and a scheme made of the same bytes to the
// JSON writer and back.

#include "PaletteFuzzSupport.h"

#include "core/JsonFormat.h"
#include "core/PaletteFiles.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace orvane;

// A scheme whose colours, empty favourite slots and mode come from the bytes, cycled.
ExportedScheme schemeFrom(const std::uint8_t* data, std::size_t size)
{
    ExportedScheme scheme;
    std::size_t at = 0;
    const auto next = [&] {
        const ColorValue color =
            data[at % size] | data[(at + 1) % size] << 8 | data[(at + 2) % size] << 16;
        at += 3;
        return color;
    };
    scheme.current = next();
    scheme.mode = data[0] % 2 == 0 ? SchemeMode::ColorWheel : SchemeMode::GroupByColor;
    for (ColorValue& color : scheme.scheme)
        color = next();
    for (ColorValue& color : scheme.favorites)
        color = data[at % size] % 3 == 0 ? kNoColor : next();
    for (ColorValue& color : scheme.webPage)
        color = next();
    return scheme;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<PaletteReading> read = readJson(text);
    fuzz::requireSound(read);
    if (read && detectPaletteFormat(text) == PaletteFormat::Json) {
        const PaletteReading detected = readPalette(text).reading;
        require(detected.palette.colors == read->palette.colors &&
                    detected.skipped == read->skipped,
                "a file taken for JSON reads as the JSON reader reads it");
    }
    if (size == 0)
        return 0;
    const ExportedScheme scheme = schemeFrom(data, size);
    const std::optional<PaletteReading> back = readJson(writeSchemeJson(scheme));
    require(back.has_value() && back->skipped == 0, "a written scheme reads back whole");
    require(back->palette.colors == schemePalette(scheme).colors,
            "the scheme's colours read back with their names");
    return 0;
}
