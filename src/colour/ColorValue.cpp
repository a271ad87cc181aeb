// SPDX-License-Identifier: MIT
#include "colour/ColorValue.h"

#include "colour/ColorModels.h"

#include <cmath>
#include <cstdio>

namespace orvane {

double roundHalfEven(double x)
{
    const double nearest = std::round(x); // ties away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return nearest;
}

ColorValue MakeColor(double red, double green, double blue)
{
    const auto r = static_cast<ColorValue>(roundHalfEven(red));
    const auto g = static_cast<ColorValue>(roundHalfEven(green));
    const auto b = static_cast<ColorValue>(roundHalfEven(blue));
    return r + g * 256 + b * 65536;
}

RgbChannels SplitColor(ColorValue value)
{
    const auto bits = static_cast<std::uint32_t>(value) & 0xFFFFFFu;
    return {static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
            static_cast<int>((bits >> 16) & 0xFFu)};
}

std::string WebHexOfChannels(int red, int green, int blue)
{
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(red) & 0xFFu,
                  static_cast<unsigned>(green) & 0xFFu, static_cast<unsigned>(blue) & 0xFFu);
    return text;
}

std::string WebHex(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    return WebHexOfChannels(c.red, c.green, c.blue);
}

std::optional<ChannelTexts> ParseWebHex(std::string_view text)
{
    if (text.size() < 6)
        return std::nullopt;
    const std::string prefix = "&H";
    return ChannelTexts{prefix + std::string(text.substr(0, 2)),
                        prefix + std::string(text.substr(2, 2)),
                        prefix + std::string(text.substr(text.size() - 2, 2))};
}

namespace {

int digitValue(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

} // namespace

double channelValue(std::string_view text)
{
    int base = 10;
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        base = 16;
        text.remove_prefix(2);
    }
    double value = 0;
    for (const char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    return value;
}

std::optional<ColorValue> parseHashHex(std::string_view text)
{
    const std::size_t digits = text.size() - 1;
    if (text.empty() || text[0] != '#' ||
        (digits != 3 && digits != 4 && digits != 6 && digits != 8))
        return std::nullopt;
    int channels[4] = {};
    const std::size_t width = digits <= 4 ? 1 : 2;
    for (std::size_t index = 0; index < digits; ++index) {
        const int digit = digitValue(text[1 + index], 16);
        if (digit < 0)
            return std::nullopt;
        // A single digit stands for itself twice: F is FF.
        int& channel = channels[index / width];
        channel = width == 1 ? digit * 17 : channel * 16 + digit;
    }
    return channels[0] + channels[1] * 256 + channels[2] * 65536;
}

Channel::Channel(std::string_view text) : value_(channelValue(text)) {}

std::string channelText(double value)
{
    char text[32];
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string hashHex(ColorValue value)
{
    return "#" + WebHex(value);
}

std::string dottedRgb(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    return std::to_string(c.red) + "." + std::to_string(c.green) + "." + std::to_string(c.blue);
}

std::string commaRgb(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

std::string spacedCommaRgb(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    return std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue);
}

std::string cssRgb(ColorValue value)
{
    return "rgb(" + spacedCommaRgb(value) + ")";
}

std::string cssHsl(ColorValue value)
{
    const CssHsl hsl = toCssHsl(SplitColor(value));
    const auto whole = [](double x) { return std::to_string(static_cast<int>(roundHalfEven(x))); };
    // A hue that rounds up to a full turn is written as 0, as CSS writes hues.
    const double hue = roundHalfEven(hsl.hue) == 360 ? 0 : hsl.hue;
    return "hsl(" + whole(hue) + ", " + whole(hsl.saturation * 100) + "%, " +
           whole(hsl.lightness * 100) + "%)";
}

std::string hexLiteral(ColorValue value)
{
    return "0x" + WebHex(value);
}

std::string copyText(CopyForm form, ColorValue value)
{
    switch (form) {
    case CopyForm::WebHex:
        return WebHex(value);
    case CopyForm::HashHex:
        return hashHex(value);
    case CopyForm::CssRgb:
        return cssRgb(value);
    case CopyForm::CssHsl:
        return cssHsl(value);
    case CopyForm::SpacedCommaRgb:
        return spacedCommaRgb(value);
    case CopyForm::HexLiteral:
        return hexLiteral(value);
    }
    return WebHex(value);
}

} // namespace orvane
