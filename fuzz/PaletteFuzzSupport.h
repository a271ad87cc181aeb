// SPDX-License-Identifier: MIT
#pragma once

#include "FuzzSupport.h"

#include "core/Palette.h"

#include <optional>

namespace orvane::fuzz {

// What holds for whatever a palette reader makes of any input: no more colours than the limit,
// each a colour value.
inline void requireSound(const std::optional<PaletteReading>& reading)
{
    if (!reading)
        return;
    require(reading->palette.colors.size() <= kMaxPaletteColors, "a palette keeps the limit");
    for (const NamedColor& entry : reading->palette.colors)
        require(isValidColor(entry.color), "every colour read is a colour value");
    require(reading->skipped >= 0, "skipped entries are counted up");
}

} // namespace orvane::fuzz
