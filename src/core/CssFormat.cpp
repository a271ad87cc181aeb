// SPDX-License-Identifier: MIT
#include "core/CssFormat.h"

#include "colour/ColorModels.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace orvane {

namespace {

constexpr std::string_view kSpaces = " \t\r\n\f";
constexpr std::string_view kPrefix = "orvane-";
// Blocks inside blocks deeper than this are no stylesheet worth reading.
constexpr std::size_t kMaxDepth = 64;

std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kSpaces);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(kSpaces) - start + 1);
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// One argument of rgb() or hsl(): a number with its unit, "%" or an angle's, or "none".
struct Argument {
    double value = 0;
    std::string unit;
};

std::optional<Argument> readArgument(std::string_view token)
{
    if (lowerAscii(token) == "none")
        return Argument{};
    if (!token.empty() && token[0] == '+')
        token.remove_prefix(1);
    // from_chars would also take "inf" and "nan", which CSS has no place for.
    if (token.empty() ||
        !(token[0] == '-' || token[0] == '.' || (token[0] >= '0' && token[0] <= '9')))
        return std::nullopt;
    Argument argument;
    const auto [end, error] =
        std::from_chars(token.data(), token.data() + token.size(), argument.value);
    if (error != std::errc() || !std::isfinite(argument.value))
        return std::nullopt;
    argument.unit = lowerAscii(token.substr(static_cast<std::size_t>(end - token.data())));
    return argument;
}

// The arguments between the parentheses, separated by commas, blanks or the alpha's "/".
std::optional<std::vector<Argument>> readArguments(std::string_view text)
{
    std::vector<Argument> arguments;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(" \t\r\n\f,/", start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.size(), text.find_first_of(" \t\r\n\f,/", start));
        const std::optional<Argument> argument = readArgument(text.substr(start, end - start));
        if (!argument || arguments.size() == 4)
            return std::nullopt;
        arguments.push_back(*argument);
        start = end;
    }
    if (arguments.size() < 3)
        return std::nullopt;
    return arguments;
}

int rgbChannel(const Argument& argument)
{
    const double value = argument.unit == "%" ? argument.value * 2.55 : argument.value;
    return value <= 0 ? 0 : value >= 255 ? 255 : static_cast<int>(roundHalfEven(value));
}

std::optional<double> hueDegrees(const Argument& argument)
{
    if (argument.unit.empty() || argument.unit == "deg")
        return argument.value;
    if (argument.unit == "turn")
        return argument.value * 360;
    if (argument.unit == "grad")
        return argument.value * 0.9;
    if (argument.unit == "rad")
        return argument.value * 180 / std::numbers::pi;
    return std::nullopt;
}

std::optional<ColorValue> readFunction(bool hsl, const std::vector<Argument>& arguments)
{
    for (int index = hsl ? 1 : 0; index < 3; ++index) {
        if (!arguments[index].unit.empty() && arguments[index].unit != "%")
            return std::nullopt;
    }
    if (!hsl) {
        return rgbChannel(arguments[0]) + rgbChannel(arguments[1]) * 256 +
               rgbChannel(arguments[2]) * 65536;
    }
    const std::optional<double> hue = hueDegrees(arguments[0]);
    if (!hue)
        return std::nullopt;
    const RgbChannels c = fromCssHsl(*hue, arguments[1].value / 100, arguments[2].value / 100);
    return c.red + c.green * 256 + c.blue * 65536;
}

// A declaration's value: no colour, a colour, or one that starts as a colour and is broken.
struct ValueRead {
    bool startsAsColor = false;
    std::optional<ColorValue> color;
};

ValueRead readValue(std::string_view value)
{
    value = trimmed(value);
    const std::size_t bang = value.rfind('!');
    if (bang != std::string_view::npos &&
        lowerAscii(trimmed(value.substr(bang + 1))) == "important")
        value = trimmed(value.substr(0, bang));
    if (!value.empty() && value[0] == '#')
        return {true, parseHashHex(value)};
    const std::size_t open = value.find('(');
    const std::string function = lowerAscii(trimmed(value.substr(0, open)));
    const bool rgb = function == "rgb" || function == "rgba";
    const bool hsl = function == "hsl" || function == "hsla";
    if (open == std::string_view::npos || (!rgb && !hsl))
        return {};
    if (value.back() != ')')
        return {true, std::nullopt};
    const auto arguments = readArguments(value.substr(open + 1, value.size() - open - 2));
    return {true, arguments ? readFunction(hsl, *arguments) : std::nullopt};
}

// "--orvane-scheme-1" is "Scheme 1", "--brand-blue" is "Brand blue", and "color" in the rule
// "a:hover" is "a:hover color".
std::string colorName(std::string_view property, std::string_view rule)
{
    if (property.substr(0, 2) != "--") {
        std::string name;
        for (const char c : rule) {
            if (kSpaces.find(c) == std::string_view::npos)
                name += c;
            else if (!name.empty() && name.back() != ' ')
                name += ' ';
        }
        return name + ' ' + std::string(property);
    }
    property.remove_prefix(2);
    if (lowerAscii(property.substr(0, kPrefix.size())) == kPrefix)
        property.remove_prefix(kPrefix.size());
    std::string name(property);
    for (char& c : name) {
        if (c == '-')
            c = ' ';
    }
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

} // namespace

std::string cssPropertyName(std::string_view colorName)
{
    std::string property = "--" + std::string(kPrefix);
    bool gap = false;
    for (const char c : colorName) {
        if (!isAsciiAlnum(c)) {
            gap = true;
            continue;
        }
        if (gap && property.size() > 2 + kPrefix.size())
            property += '-';
        gap = false;
        property += lowerAscii(std::string_view(&c, 1));
    }
    return property;
}

std::string writeCss(const Palette& palette)
{
    std::string text = ":root {\n";
    for (const NamedColor& entry : palette.colors)
        text += "  " + cssPropertyName(entry.name) + ": " + hashHex(entry.color) + ";\n";
    return text + "}\n";
}

std::optional<PaletteReading> readCss(std::string_view text)
{
    PaletteReading reading;
    std::vector<std::string> rules; // the preludes of the blocks open here, outermost first
    std::string chunk;              // the text since the last brace or semicolon
    const auto declare = [&] {
        const std::string_view declaration = trimmed(chunk);
        chunk.clear();
        const std::size_t colon = declaration.find(':');
        if (rules.empty() || colon == std::string_view::npos)
            return;
        const std::string_view property = trimmed(declaration.substr(0, colon));
        if (property.empty() || property.find_first_of(kSpaces) != std::string_view::npos)
            return;
        const ValueRead value = readValue(declaration.substr(colon + 1));
        if (value.color)
            reading.add(colorName(property, rules.back()), *value.color);
        else if (value.startsAsColor)
            ++reading.skipped;
    };

    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '/' && text.substr(at + 1, 1) == "*") {
            const std::size_t end = text.find("*/", at + 2);
            at = end == std::string_view::npos ? text.size() : end + 2;
            chunk += ' ';
            continue;
        }
        if (c == '"' || c == '\'') {
            // A quoted string is taken whole: braces and semicolons in it end nothing.
            std::size_t end = at + 1;
            while (end < text.size() && text[end] != c && text[end] != '\n')
                end += text[end] == '\\' ? 2 : 1;
            end = std::min(end + 1, text.size());
            chunk.append(text.substr(at, end - at));
            at = end;
            continue;
        }
        if (c == '{') {
            if (rules.size() == kMaxDepth)
                return std::nullopt;
            rules.emplace_back(trimmed(chunk));
            chunk.clear();
        } else if (c == ';') {
            declare();
        } else if (c == '}') {
            declare();
            if (!rules.empty())
                rules.pop_back();
        } else {
            chunk += c;
        }
        ++at;
    }
    declare(); // a block the text leaves open
    if (reading.palette.colors.empty() && reading.skipped == 0)
        return std::nullopt;
    return reading;
}

} // namespace orvane
