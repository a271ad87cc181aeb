// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Scheme.h"
#include "core/AppState.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

// A colour and the name a palette gives it; the name may be empty.
struct NamedColor {
    std::string name;
    ColorValue color = 0;
    friend bool operator==(const NamedColor&, const NamedColor&) = default;
};

// A list of named colours, as palette files of every format hold them.
struct Palette {
    std::string name; // empty when the file names none
    int columns = 0;  // colours a row should show; 0 when the file does not say
    std::vector<NamedColor> colors;
};

// No reader keeps more colours than this: a palette is for picking from, and a hostile file
// must not make thousands of swatches.
inline constexpr std::size_t kMaxPaletteColors = 4096;

// What a reader makes of a file in its format: the colours it could read and how many entries
// it could not (or could not keep, past kMaxPaletteColors).
struct PaletteReading {
    Palette palette;
    int skipped = 0;
    // Adds a colour while there is room; counts it as skipped once the palette is full.
    void add(std::string name, ColorValue color);
};

// Names of the web page's colours in WebColors order.
inline constexpr std::array<const char*, kWebColorCount> kWebPageColorNames = {
    "Header bar",  "Side bar", "Body box",     "Page background", "Page title",
    "Header text", "Links",    "Body caption", "Body text"};

// Everything File > Export Palette writes: the current colour, the scheme as shown, the
// favourite slots (kNoColor for an empty one) and the web page's colours.
struct ExportedScheme {
    ColorValue current = 0;
    SchemeMode mode = SchemeMode::ColorWheel;
    SchemeColors scheme{};
    std::array<ColorValue, kFavoriteSlots> favorites{};
    std::array<ColorValue, kWebColorCount> webPage{};
};

// The scheme as a palette named "Orvane " and the current colour's HEX, four colours a row:
// "Current", "Scheme 1" to "Scheme 16", "Favorite n" for each filled slot n, then the page
// colours by their names.
Palette schemePalette(const ExportedScheme& scheme);

} // namespace orvane
