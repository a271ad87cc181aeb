// SPDX-License-Identifier: MIT
// Feeds arbitrary text and numbers to the HEX and channel text conversions, and arbitrary edits
// to the value boxes through the rules their validators apply.

#include "FuzzSupport.h"

#include "colour/ColorValue.h"
#include "colour/ValueEntryRules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace orvane;
using fuzz::require;

bool isSubsequence(std::string_view part, std::string_view whole)
{
    std::size_t at = 0;
    for (const char c : whole) {
        if (at < part.size() && part[at] == c)
            ++at;
    }
    return at == part.size();
}

template <typename Keep> bool keepsExactly(std::string_view kept, std::string_view text, Keep keep)
{
    const auto isKept = [&](char c) { return keep(static_cast<unsigned char>(c)) != 0; };
    return std::all_of(kept.begin(), kept.end(), isKept) &&
           kept.size() ==
               static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isKept)) &&
           isSubsequence(kept, text);
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string withoutLeadingZeros(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

bool isWholeChannel(double value)
{
    return value >= 0 && value <= 255 && value == std::trunc(value);
}

void checkColorValue(ColorValue value)
{
    const std::string hex = WebHex(value);
    require(hex.size() == 6 &&
                std::all_of(hex.begin(), hex.end(),
                            [](unsigned char c) { return std::isxdigit(c) && !std::islower(c); }),
            "WebHex gives six upper-case hexadecimal digits");
    const RgbChannels channels = SplitColor(value);
    const std::optional<ChannelTexts> texts = ParseWebHex(hex);
    require(texts.has_value(), "a WebHex text splits into channels");
    require(channelValue(texts->red) == channels.red &&
                channelValue(texts->green) == channels.green &&
                channelValue(texts->blue) == channels.blue,
            "the channels of a WebHex text are the colour's channels");
    require(MakeColor(channels.red, channels.green, channels.blue) == (value & kWhite),
            "a colour's channels build its low 24 bits again");
}

void checkRounding(double x)
{
    const double rounded = roundHalfEven(x);
    require(std::fabs(rounded - x) <= 0.5 && rounded == std::trunc(rounded),
            "rounding gives the nearest whole number");
    if (std::fabs(x - std::trunc(x)) == 0.5)
        require(std::fmod(rounded, 2.0) == 0, "a tie rounds to the even neighbour");
}

// Channels of whole and half steps in 0-255, as the adjustments hand them to MakeColor.
void checkMakeColor(double red, double green, double blue)
{
    const ColorValue color = MakeColor(red, green, blue);
    require(isValidColor(color), "channels within 0-255 make a valid colour");
    const RgbChannels channels = SplitColor(color);
    require(channels.red == roundHalfEven(red) && channels.green == roundHalfEven(green) &&
                channels.blue == roundHalfEven(blue),
            "each channel of a colour is its rounded input");
}

using BoxRule = std::optional<BoxEdit> (*)(std::string_view edited, std::size_t cursor);
using Allowed = int (*)(int);
constexpr Allowed kHexDigit = [](int c) { return std::isxdigit(c); };
constexpr Allowed kDigit = [](int c) { return std::isdigit(c); };

std::size_t countAllowed(std::string_view text, Allowed allowed)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [&](char c) {
        return allowed(static_cast<unsigned char>(c)) != 0;
    }));
}

// One edit, as the box's validator sees it: the text the edit would leave and the cursor after
// it. The box takes the characters it allows, in order, with the cursor after those that stood
// before it, unless that makes more than it holds; then the edit is refused.
std::optional<BoxEdit> checkEdit(BoxRule rule, std::string_view edited, std::size_t cursor,
                                 Allowed allowed, std::size_t length)
{
    const std::optional<BoxEdit> kept = rule(edited, cursor);
    require(kept.has_value() == (countAllowed(edited, allowed) <= length),
            "a box refuses an edit exactly when it would hold too many characters");
    if (kept) {
        require(keepsExactly(kept->text, edited, allowed),
                "a box keeps exactly the characters it allows, in order");
        require(kept->cursor == countAllowed(edited.substr(0, cursor), allowed),
                "the cursor stays after the characters kept before it");
    }
    return kept;
}

// Edits a box as a user may: each edit replaces a stretch of its text (none, when typing or
// pasting) by a piece of text (none, when deleting). The HEX box starts empty; a channel box
// starts settled and settles again after every edit it takes, as the value entry has them.
std::string editBox(std::string_view script, BoxRule rule, Allowed allowed, std::size_t length,
                    bool settles)
{
    FuzzedDataProvider edits(reinterpret_cast<const std::uint8_t*>(script.data()), script.size());
    std::string box = settles ? settledChannelText("") : "";
    while (edits.remaining_bytes() > 0) {
        const auto from = edits.ConsumeIntegralInRange<std::size_t>(0, box.size());
        const auto to = edits.ConsumeIntegralInRange<std::size_t>(from, box.size());
        const std::string piece = edits.ConsumeRandomLengthString(2 * length + 2);
        const std::string edited = box.substr(0, from) + piece + box.substr(to);
        if (const std::optional<BoxEdit> kept =
                checkEdit(rule, edited, from + piece.size(), allowed, length))
            box = settles ? settledChannelText(kept->text) : kept->text;
        require(box.size() <= length && countAllowed(box, allowed) == box.size(),
                "a box holds only characters it allows, never more than fit");
    }
    return box;
}

// Whatever reaches the HEX box, pasted whole or edited piece by piece, it holds a text that
// reads as three channels of 0-255 once full.
void checkHexBox(std::string_view text)
{
    const std::string kept = hexBoxCharacters(text);
    require(keepsExactly(kept, text, kHexDigit),
            "the HEX box keeps exactly the hexadecimal digits, in order");
    require(hexBoxCharacters(kept) == kept, "the HEX box rule changes nothing twice");
    const std::optional<BoxEdit> pasted =
        checkEdit(hexBoxEdit, text, text.size(), kHexDigit, kHexBoxLength);
    for (const std::string& box : {pasted ? pasted->text : std::string(),
                                   editBox(text, hexBoxEdit, kHexDigit, kHexBoxLength, false)}) {
        const std::optional<ChannelTexts> texts = ParseWebHex(box);
        require(texts.has_value() == (box.size() == kHexBoxLength),
                "a full HEX box splits into channels");
        if (!texts)
            continue;
        const double red = channelValue(texts->red);
        const double green = channelValue(texts->green);
        const double blue = channelValue(texts->blue);
        require(isWholeChannel(red) && isWholeChannel(green) && isWholeChannel(blue),
                "a HEX box's channels lie within 0-255");
        require(WebHexOfChannels(static_cast<int>(red), static_cast<int>(green),
                                 static_cast<int>(blue)) == upper(box),
                "a HEX box's channels give its text back");
    }
}

void checkParseWebHex(std::string_view text)
{
    const std::optional<ChannelTexts> texts = ParseWebHex(text);
    require(texts.has_value() == (text.size() >= 6), "only texts of six or more characters split");
    if (!texts)
        return;
    require(texts->red == "&H" + std::string(text.substr(0, 2)) &&
                texts->green == "&H" + std::string(text.substr(2, 2)) &&
                texts->blue == "&H" + std::string(text.substr(text.size() - 2)),
            "red and green are the first pairs, blue the last pair");
}

// Whatever reaches a channel box, pasted whole or edited piece by piece, its settled text reads
// as one channel of 0-255.
void checkChannelBox(std::string_view text)
{
    const std::string kept = channelBoxCharacters(text);
    require(keepsExactly(kept, text, kDigit),
            "a channel box keeps exactly the decimal digits, in order");
    require(channelBoxCharacters(kept) == kept, "the channel box rule changes nothing twice");
    const std::optional<BoxEdit> pasted =
        checkEdit(channelBoxEdit, text, text.size(), kDigit, kChannelBoxLength);
    if (pasted) {
        const std::string& box = pasted->text;
        const std::string expected = box.empty() ? "0" : channelValue(box) >= 256 ? "255" : box;
        require(settledChannelText(box) == expected,
                "a settled box is 0 when empty, 255 when too large, else as typed");
    }
    const std::string edited = editBox(text, channelBoxEdit, kDigit, kChannelBoxLength, true);
    for (const std::string& settled : {settledChannelText(pasted ? pasted->text : ""), edited}) {
        const double value = channelValue(settled);
        require(isWholeChannel(value), "a settled channel box lies within 0-255");
        require(settledChannelText(settled) == settled, "a settled box stays as it is");
        require(channelText(value) == withoutLeadingZeros(settled),
                "a settled box's value shows as its digits without leading zeros");
    }
}

void checkChannelValue(std::string_view text)
{
    const double value = channelValue(text);
    require(value >= 0, "a channel text never reads as negative or NaN");

    const bool hex = text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
    const std::string_view body = hex ? text.substr(2) : text;
    const std::size_t digits = std::min(
        body.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789"), body.size());
    // Up to twelve digits the value is exact in a double, so it can be compared.
    if (digits <= 12) {
        const std::string leading(body.substr(0, digits));
        const double exact =
            digits == 0 ? 0 : std::strtoull(leading.c_str(), nullptr, hex ? 16 : 10);
        require(value == exact, "a channel text reads as its leading digits and nothing else");
    }
}

void checkChannelText(double value)
{
    const std::string text = channelText(value);
    require(!text.empty(), "every value has a text");
    if (value >= 0 && value < 1e15 && value == std::trunc(value))
        require(channelValue(text) == value, "a whole value's text reads back as the value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    checkColorValue(provider.ConsumeIntegral<ColorValue>());
    const double anyNumber = provider.ConsumeFloatingPoint<double>();
    checkRounding(anyNumber);
    checkChannelText(anyNumber);
    checkChannelText(provider.ConsumeIntegralInRange<std::uint64_t>(0, 999'999'999'999'999));
    const auto halfStep = [&] { return provider.ConsumeIntegralInRange(0, 510) / 2.0; };
    const double red = halfStep();
    const double green = halfStep();
    const double blue = halfStep();
    checkMakeColor(red, green, blue);

    const std::string text = provider.ConsumeRemainingBytesAsString();
    checkHexBox(text);
    checkParseWebHex(text);
    checkChannelBox(text);
    checkChannelValue(text);
    return 0;
}
