// SPDX-License-Identifier: MIT
#include "core/Palette.h"

namespace orvane {

void PaletteReading::add(std::string name, ColorValue color)
{
    if (palette.colors.size() >= kMaxPaletteColors) {
        ++skipped;
        return;
    }
    palette.colors.push_back({std::move(name), color});
}

Palette schemePalette(const ExportedScheme& scheme)
{
    Palette palette{"Orvane " + WebHex(scheme.current), 4, {{"Current", scheme.current}}};
    for (int index = 0; index < kSchemeSwatchCount; ++index)
        palette.colors.push_back({"Scheme " + std::to_string(index + 1), scheme.scheme[index]});
    for (int slot = 0; slot < kFavoriteSlots; ++slot) {
        if (scheme.favorites[slot] != kNoColor)
            palette.colors.push_back(
                {"Favorite " + std::to_string(slot + 1), scheme.favorites[slot]});
    }
    for (int index = 0; index < kWebColorCount; ++index)
        palette.colors.push_back({kWebPageColorNames[index], scheme.webPage[index]});
    return palette;
}

} // namespace orvane
