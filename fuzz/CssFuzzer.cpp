// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the stylesheet reader and writes back what it read.

#include "PaletteFuzzSupport.h"

#include "core/CssFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    using fuzz::require;
    const std::optional<PaletteReading> read =
        readCss(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::requireSound(read);
    if (!read || read->palette.colors.empty())
        return 0;
    // Writing turns names into property names; from then on a name stays as it is.
    const std::optional<PaletteReading> second = readCss(writeCss(read->palette));
    require(second.has_value() && second->skipped == 0, "every written colour reads back");
    require(second->palette.colors.size() == read->palette.colors.size(),
            "as many colours read back as were written");
    for (std::size_t index = 0; index < read->palette.colors.size(); ++index)
        require(second->palette.colors[index].color == read->palette.colors[index].color,
                "each colour reads back in its place");
    const std::optional<PaletteReading> third = readCss(writeCss(second->palette));
    require(third.has_value() && third->palette.colors == second->palette.colors,
            "names read from property names survive another round");
    return 0;
}
