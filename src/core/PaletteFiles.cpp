// SPDX-License-Identifier: MIT
#include "core/PaletteFiles.h"

#include "core/AseFormat.h"
#include "core/CssFormat.h"
#include "core/GplFormat.h"
#include "core/JsonFormat.h"
#include "core/RegularFile.h"
#include "core/Utf8Path.h"

namespace orvane {

std::optional<PaletteFormat> formatOfExtension(const std::filesystem::path& path)
{
    std::string extension = utf8Of(path.extension());
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        if (extension == "." + std::string(info.extension))
            return info.format;
    }
    return std::nullopt;
}

PaletteFormat detectPaletteFormat(std::string_view bytes)
{
    if (bytes.substr(0, 4) == "ASEF")
        return PaletteFormat::Ase;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    bytes.remove_prefix(std::min(bytes.size(), bytes.find_first_not_of(" \t\r\n")));
    if (bytes.substr(0, 12) == "GIMP Palette")
        return PaletteFormat::Gpl;
    if (bytes.substr(0, 1) == "{" || bytes.substr(0, 1) == "[")
        return PaletteFormat::Json;
    return PaletteFormat::Css;
}

std::string encodeScheme(PaletteFormat format, const ExportedScheme& scheme)
{
    switch (format) {
    case PaletteFormat::Gpl:
        return writeGpl(schemePalette(scheme));
    case PaletteFormat::Css:
        return writeCss(schemePalette(scheme));
    case PaletteFormat::Json:
        return writeSchemeJson(scheme);
    case PaletteFormat::Ase:
        return writeAse(schemePalette(scheme));
    }
    return {};
}

PaletteImport readPalette(std::string_view bytes)
{
    std::optional<PaletteReading> reading;
    switch (detectPaletteFormat(bytes)) {
    case PaletteFormat::Gpl:
        reading = readGpl(bytes);
        break;
    case PaletteFormat::Css:
        reading = readCss(bytes);
        break;
    case PaletteFormat::Json:
        reading = readJson(bytes);
        break;
    case PaletteFormat::Ase:
        reading = readAse(bytes);
        break;
    }
    if (!reading)
        return {PaletteProblem::NotAPalette, {}};
    if (reading->palette.colors.empty())
        return {PaletteProblem::NoColors, std::move(*reading)};
    return {PaletteProblem::None, std::move(*reading)};
}

PaletteImport readPaletteFile(const std::filesystem::path& path)
{
    const std::optional<RegularFile> file = RegularFile::open(path);
    // One byte past the limit tells a file that is too large.
    const std::optional<std::vector<std::uint8_t>> bytes =
        file ? file->readUpTo(kMaxPaletteFileSize + 1) : std::nullopt;
    if (!bytes)
        return {PaletteProblem::Unreadable, {}};
    if (bytes->size() > kMaxPaletteFileSize)
        return {PaletteProblem::TooLarge, {}};
    return readPalette(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

} // namespace orvane
