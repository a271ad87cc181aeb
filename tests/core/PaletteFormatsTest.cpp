// SPDX-License-Identifier: MIT
#include "core/AseFormat.h"
#include "core/GplFormat.h"
#include "core/JsonParser.h"
#include "core/PaletteFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace orvane {

void PrintTo(const NamedColor& entry, std::ostream* out)
{
    *out << hashHex(entry.color) << " \"" << entry.name << '"';
}

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Problem = PaletteProblem;

const fs::path kData = fs::path(ORVANE_TEST_DATA) / "palettes";

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bytes a listing of hexadecimal pairs gives; "#" starts a comment to the end of the line.
std::string fromHexListing(const fs::path& path)
{
    std::istringstream lines(fileText(path));
    std::string bytes;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream pairs(line.substr(0, line.find('#')));
        for (std::string pair; pairs >> pair;)
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
    }
    return bytes;
}

// A palette as the expected files write it out.
std::string listing(const PaletteReading& reading)
{
    std::string text = "name: \"" + reading.palette.name +
                       "\"\ncolumns: " + std::to_string(reading.palette.columns) +
                       "\nskipped: " + std::to_string(reading.skipped) + "\n";
    for (const NamedColor& entry : reading.palette.colors)
        text += hashHex(entry.color) + " \"" + entry.name + "\"\n";
    return text;
}

// The start scheme with two favourites and the page's first colours; the mode is the group one.
ExportedScheme sampleScheme()
{
    ExportedScheme scheme{MakeColor(51, 35, 231), SchemeMode::GroupByColor};
    std::istringstream hex("3323E7 9523E7 E723D7 E72375 E73323 E79523 D7E723 75E723 "
                           "23E733 23E795 23D7E7 2375E7 665AED 9991F3 E1ED5A EBF391");
    for (ColorValue& color : scheme.scheme) {
        std::string digits;
        hex >> digits;
        color = *parseHashHex("#" + digits);
    }
    scheme.favorites = {0x0080FF, kNoColor, kNoColor, 0x00FF00, kNoColor};
    scheme.webPage = {0xD13241, 0x21BD7D, 0xFFFFFF, 0x0087FF, 0x000000,
                      0xFFFFFF, 0x000000, 0x804D1A, 0x000000};
    return scheme;
}

TEST(PaletteFormatsTest, WritersMatchFilesMadeByHand)
{
    const ExportedScheme scheme = sampleScheme();
    for (const auto& [format, file] : {std::pair{PaletteFormat::Gpl, "scheme.gpl"},
                                       {PaletteFormat::Css, "scheme.css"},
                                       {PaletteFormat::Json, "scheme.json"}})
        EXPECT_EQ(encodeScheme(format, scheme), fileText(kData / file)) << file;
    const Palette small{"", 0, {{"Grün", MakeColor(0, 128, 255)}, {"\U0001F3A8 1", 0xE72333}}};
    EXPECT_EQ(writeAse(small), fromHexListing(kData / "small.ase.hex"));
}

TEST(PaletteFormatsTest, EveryFormatReadsBackWhatItWrote)
{
    const Palette expected = schemePalette(sampleScheme());
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        const PaletteImport read = readPalette(encodeScheme(info.format, sampleScheme()));
        EXPECT_EQ(read.problem, Problem::None) << info.extension;
        EXPECT_EQ(read.reading.palette.colors, expected.colors) << info.extension;
        EXPECT_EQ(read.reading.skipped, 0);
    }
    // Every channel value comes back as the same 8 bits, also through ASE's floats.
    Palette ramp{"Ramp", 16, {}};
    for (int value = 0; value < 256; ++value)
        ramp.colors.push_back({std::to_string(value), MakeColor(value, 255 - value, value / 2)});
    EXPECT_EQ(readAse(writeAse(ramp))->palette.colors, ramp.colors);
    EXPECT_EQ(listing(*readGpl(writeGpl(ramp))), listing({ramp, 0}));
}

TEST(PaletteFormatsTest, FilesInTheShapesOtherProgramsWrite)
{
    for (const char* file : {"gimp.gpl", "loose.gpl", "mixed.css", "other.json"}) {
        const PaletteImport read = readPaletteFile(kData / file);
        EXPECT_EQ(read.problem, Problem::None) << file;
        EXPECT_EQ(listing(read.reading), fileText(kData / (file + ".expected"s))) << file;
    }
    const PaletteImport ase = readPalette(fromHexListing(kData / "mixed.ase.hex"));
    EXPECT_EQ(listing(ase.reading), fileText(kData / "mixed.ase.expected"));
}

TEST(PaletteFormatsTest, BadFilesAreRefusedWhole)
{
    const auto nested = [](int depth) {
        return R"({"current": "#000000", "x": )" + std::string(depth - 1, '[') +
               std::string(depth - 1, ']') + "}";
    };
    const std::pair<std::string, Problem> texts[] = {
        {"", Problem::NotAPalette},
        {"\x89PNG\r\n\x1a\n", Problem::NotAPalette},
        {"GIMP Palette\nName: Empty\n# no colours\n", Problem::NoColors},
        {"GIMP Palett\n0 0 0\n", Problem::NotAPalette},
        {"ASEF\0\2\0\0\0\0\0\0"s, Problem::NotAPalette},
        {"ASEF\0\1"s, Problem::NotAPalette},
        {"ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x20\0\1"s, Problem::NoColors}, // a block cut short
        {std::string(65, '{') + "color: #fff", Problem::NotAPalette},
        {nested(kMaxJsonDepth), Problem::None},
        {nested(kMaxJsonDepth + 1), Problem::NotAPalette},
        {R"({"current": "#000000",})", Problem::NotAPalette},
        {R"({"current": "#000000"} x)", Problem::NotAPalette},
        {R"({'current': "#000000"})", Problem::NotAPalette},
        {R"({"current": "#000000" /* note */})", Problem::NotAPalette},
        {R"({"current": "#000000", "n": 01})", Problem::NotAPalette},
        {"{\"current\": \"#00\t0000\"}", Problem::NotAPalette},
        {R"({"current": "\ud800"})", Problem::NoColors},
        {"{}", Problem::NotAPalette},
        {R"(["#000000"])", Problem::NotAPalette},
    };
    for (const auto& [text, problem] : texts)
        EXPECT_EQ(readPalette(text).problem, problem) << text;

    // Only regular files up to 4 MB are read.
    const fs::path dir = fs::temp_directory_path() / ("palettes-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder.gpl");
    std::ofstream(dir / "at-limit.gpl") << "GIMP Palette\n";
    fs::resize_file(dir / "at-limit.gpl", kMaxPaletteFileSize);
    fs::copy_file(dir / "at-limit.gpl", dir / "too-large.gpl");
    fs::resize_file(dir / "too-large.gpl", kMaxPaletteFileSize + 1);
    for (const auto& [file, problem] : {std::pair{"folder.gpl", Problem::Unreadable},
                                        {"missing.gpl", Problem::Unreadable},
                                        {"at-limit.gpl", Problem::NoColors},
                                        {"too-large.gpl", Problem::TooLarge}})
        EXPECT_EQ(readPaletteFile(dir / file).problem, problem) << file;
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane
