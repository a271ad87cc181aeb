// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A colour as red + green * 256 + blue * 65536; the value stored in files and shown by swatches.
using ColorValue = std::int32_t;

// Marks an empty favourite or history slot.
inline constexpr ColorValue kNoColor = -1;
inline constexpr ColorValue kWhite = 0xFFFFFF;

// Three whole channels 0-255, red first.
struct RgbChannels {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbChannels&, const RgbChannels&) = default;
};

// A channel handed over as text: decimal digits, or "&H" and hexadecimal digits.
struct ChannelTexts {
    std::string red;
    std::string green;
    std::string blue;
    friend bool operator==(const ChannelTexts&, const ChannelTexts&) = default;
};

// Rounds to the nearest whole number, ties to the even neighbour (0.5 -> 0, 1.5 -> 2).
double roundHalfEven(double x);

inline bool isValidColor(ColorValue value)
{
    return value >= 0 && value <= kWhite;
}

// Builds a colour from channels that may carry fractions; each is rounded half to even first.
ColorValue MakeColor(double red, double green, double blue);
// Splits the low 24 bits of a value into its channels.
RgbChannels SplitColor(ColorValue value);
// Six upper-case hexadecimal digits, red first ("FF8000").
std::string WebHex(ColorValue value);
std::string WebHexOfChannels(int red, int green, int blue);
// Splits a HEX text into three "&H" channel texts; nothing for fewer than six characters.
std::optional<ChannelTexts> ParseWebHex(std::string_view text);
// Reads "#" and three, four, six or eight hexadecimal digits of either case, as stylesheets
// write colours ("#F80", "#FF8000"); digits of an alpha channel are read and left out.
std::optional<ColorValue> parseHashHex(std::string_view text);

// A channel handed to SetAll: a number, or a text read by channelValue.
class Channel {
public:
    Channel(int value) : value_(value) {}
    Channel(double value) : value_(value) {}
    Channel(std::string_view text);
    Channel(const std::string& text) : Channel(std::string_view(text)) {}
    Channel(const char* text) : Channel(std::string_view(text)) {}
    double value() const { return value_; }

private:
    double value_;
};

// Reads a channel text: "&H" followed by hexadecimal digits, otherwise decimal digits.
// Reading stops at the first character that does not belong; no digits read as 0.
double channelValue(std::string_view text);
// The decimal text of a channel's value, without leading zeros ("51", "7").
std::string channelText(double value);

std::string hashHex(ColorValue value);   // "#FF8000"
std::string dottedRgb(ColorValue value); // "255.128.0"
std::string commaRgb(ColorValue value);  // "255,128,0"
// The notations other programs read, as Copy As offers them.
std::string cssRgb(ColorValue value);         // "rgb(255, 128, 0)"
std::string cssHsl(ColorValue value);         // "hsl(30, 100%, 50%)", whole degrees and percent
std::string spacedCommaRgb(ColorValue value); // "255, 128, 0"
std::string hexLiteral(ColorValue value);     // "0xFF8000"

// The forms Copy As offers, in the order of its menu.
enum class CopyForm { WebHex, HashHex, CssRgb, CssHsl, SpacedCommaRgb, HexLiteral };
inline constexpr int kCopyFormCount = 6;
std::string copyText(CopyForm form, ColorValue value);

} // namespace orvane
