// SPDX-License-Identifier: MIT
#pragma once

#include "colour/Translatable.h"
#include "core/Palette.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

enum class PaletteFormat { Gpl, Css, Json, Ase };

struct PaletteFormatInfo {
    PaletteFormat format;
    const char* description; // translated where the export dialog shows it
    std::string_view extension;
};

// The formats in the order the export dialog lists them.
inline constexpr std::array<PaletteFormatInfo, 4> kPaletteFormats = {{
    {PaletteFormat::Gpl, QT_TRANSLATE_NOOP("orvane::PaletteFileCommands", "GIMP Palette"), "gpl"},
    {PaletteFormat::Css, QT_TRANSLATE_NOOP("orvane::PaletteFileCommands", "CSS Custom Properties"),
     "css"},
    {PaletteFormat::Json, QT_TRANSLATE_NOOP("orvane::PaletteFileCommands", "JSON"), "json"},
    {PaletteFormat::Ase, QT_TRANSLATE_NOOP("orvane::PaletteFileCommands", "Adobe Swatch Exchange"),
     "ase"},
}};

// The format a file name's extension names, in any case; nothing for another extension or none.
std::optional<PaletteFormat> formatOfExtension(const std::filesystem::path& path);
// The format bytes are in, judged by how they start: the ASE signature, the "GIMP Palette"
// line, a JSON object or array. Anything else is taken for a stylesheet.
PaletteFormat detectPaletteFormat(std::string_view bytes);
// The bytes of the scheme's palette file in the format.
std::string encodeScheme(PaletteFormat format, const ExportedScheme& scheme);

// No palette file worth importing is larger.
inline constexpr std::size_t kMaxPaletteFileSize = 4 * 1024 * 1024;

enum class PaletteProblem { None, Unreadable, TooLarge, NotAPalette, NoColors };

// What importing a palette came to: a problem, or the palette read.
struct PaletteImport {
    PaletteProblem problem = PaletteProblem::None;
    PaletteReading reading;
};

// Reads bytes in the format their content shows.
PaletteImport readPalette(std::string_view bytes);
// Reads a palette file of at most kMaxPaletteFileSize bytes. Whatever is not a regular file (a
// folder, a FIFO, a device) is unreadable, and turned down without waiting.
PaletteImport readPaletteFile(const std::filesystem::path& path);

} // namespace orvane
