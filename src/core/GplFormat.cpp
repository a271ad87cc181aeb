// SPDX-License-Identifier: MIT
#include "core/GplFormat.h"

#include <cstdio>

namespace orvane {

namespace {

constexpr std::string_view kBlanks = " \t\f\v";
constexpr std::string_view kHeader = "GIMP Palette";

std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

// Cuts the next line off text; a line ends at LF, CR LF or CR.
std::string_view nextLine(std::string_view& text)
{
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return line;
}

// Reads a channel of 0-255 at the start of text, after any blanks, and steps past it.
std::optional<int> nextChannel(std::string_view& text)
{
    text = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        if (value > 255)
            return std::nullopt;
        ++digits;
    }
    // The channel must end at a blank or at the end of the line.
    if (digits == 0 || (digits < text.size() && kBlanks.find(text[digits]) == std::string::npos))
        return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Line ends inside a name would break the file into lines of its own.
std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

} // namespace

std::string writeGpl(const Palette& palette)
{
    std::string text = std::string(kHeader) + "\nName: " + oneLine(palette.name) +
                       "\nColumns: " + std::to_string(palette.columns) + "\n#\n";
    for (const NamedColor& entry : palette.colors) {
        const RgbChannels c = SplitColor(entry.color);
        char channels[16];
        std::snprintf(channels, sizeof channels, "%3d %3d %3d\t", c.red, c.green, c.blue);
        text += channels + oneLine(entry.name) + "\n";
    }
    return text;
}

std::optional<PaletteReading> readGpl(std::string_view text)
{
    if (startsWith(text, "\xEF\xBB\xBF")) // a byte-order mark some editors put first
        text.remove_prefix(3);
    if (trimmed(nextLine(text)) != kHeader)
        return std::nullopt;
    PaletteReading reading;
    while (!text.empty()) {
        const std::string_view line = trimmed(nextLine(text));
        if (line.empty() || line[0] == '#')
            continue;
        if (startsWith(line, "Name:")) {
            reading.palette.name = trimmed(line.substr(5));
            continue;
        }
        if (startsWith(line, "Columns:")) {
            std::string_view rest = line.substr(8);
            if (const std::optional<int> columns = nextChannel(rest))
                reading.palette.columns = *columns;
            continue;
        }
        std::string_view rest = line;
        const std::optional<int> red = nextChannel(rest);
        const std::optional<int> green = red ? nextChannel(rest) : std::nullopt;
        const std::optional<int> blue = green ? nextChannel(rest) : std::nullopt;
        if (!blue) {
            ++reading.skipped;
            continue;
        }
        reading.add(std::string(trimmed(rest)), *red + *green * 256 + *blue * 65536);
    }
    return reading;
}

} // namespace orvane
