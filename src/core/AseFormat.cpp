// SPDX-License-Identifier: MIT
#include "core/AseFormat.h"

#include "colour/ColorModels.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace orvane {

namespace {

constexpr std::uint16_t kColorEntry = 0x0001;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kNormalColor = 2;

void putU16(std::string& out, std::uint32_t value)
{
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void putU32(std::string& out, std::uint32_t value)
{
    putU16(out, value >> 16);
    putU16(out, value & 0xFFFF);
}

// UTF-8 to UTF-16 units; a byte that starts no valid sequence becomes U+FFFD.
std::u16string toUtf16(std::string_view text)
{
    std::u16string units;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = (lead < 0x80 || lead >= 0xC2) && lead < 0xF5 && at + length <= text.size();
        for (std::size_t next = 1; valid && next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            valid = (byte & 0xC0) == 0x80;
            code = (code << 6) | (byte & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not characters.
        valid = valid &&
                code >= (length == 3   ? 0x800u
                         : length == 4 ? 0x10000u
                                       : 0u) &&
                (code < 0xD800 || code > 0xDFFF) && code <= 0x10FFFF;
        if (!valid) {
            units += u'\uFFFD';
            ++at;
            continue;
        }
        if (code >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
        at += length;
    }
    return units;
}

// UTF-16 units to UTF-8, up to the first zero unit; a lone surrogate becomes U+FFFD.
std::string toUtf8(const std::u16string& units)
{
    std::string text;
    for (std::size_t at = 0; at < units.size() && units[at] != 0; ++at) {
        char32_t code = units[at];
        if (code >= 0xD800 && code < 0xDC00 && at + 1 < units.size() && units[at + 1] >= 0xDC00 &&
            units[at + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++at] - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// Reads big-endian fields from a span of bytes; a read past the end fails and stays failed.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t left() const { return bytes_.size() - at_; }

    std::uint32_t u16() { return number(2); }
    std::uint32_t u32() { return number(4); }
    float f32() { return std::bit_cast<float>(u32()); }
    std::string_view bytes(std::size_t count)
    {
        if (!ok_ || count > left()) {
            ok_ = false;
            return {};
        }
        at_ += count;
        return bytes_.substr(at_ - count, count);
    }

private:
    std::uint32_t number(std::size_t size)
    {
        std::uint32_t value = 0;
        for (const char byte : bytes(size))
            value = (value << 8) | static_cast<unsigned char>(byte);
        return value;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::string readName(Reader& block)
{
    const std::uint32_t count = block.u16();
    const std::string_view raw = block.bytes(std::size_t{count} * 2);
    std::u16string units;
    for (std::size_t at = 0; at + 1 < raw.size(); at += 2)
        units += static_cast<char16_t>((static_cast<unsigned char>(raw[at]) << 8) |
                                       static_cast<unsigned char>(raw[at + 1]));
    return toUtf8(units);
}

// The colour of an entry's model and values; nothing for an unknown model or a value that is
// no number.
std::optional<ColorValue> readColor(Reader& block)
{
    const std::string_view model = block.bytes(4);
    const std::size_t count = model == "RGB " || model == "LAB " ? 3
                              : model == "CMYK"                  ? 4
                              : model == "Gray"                  ? 1
                                                                 : 0;
    double values[4] = {};
    for (std::size_t index = 0; index < count; ++index)
        values[index] = block.f32();
    block.u16(); // the colour type: global, spot or normal, all alike on screen
    if (count == 0 || !block.ok() || !std::isfinite(values[0] + values[1] + values[2] + values[3]))
        return std::nullopt;
    RgbChannels c;
    if (model == "RGB ")
        c = fromUnitRgb(values[0], values[1], values[2]);
    else if (model == "LAB ")
        c = fromLabD50(values[0] * 100, values[1], values[2]);
    else if (model == "CMYK")
        c = fromCmyk(values[0], values[1], values[2], values[3]);
    else
        c = fromGray(values[0]);
    return c.red + c.green * 256 + c.blue * 65536;
}

} // namespace

std::string writeAse(const Palette& palette)
{
    std::string out = "ASEF";
    putU16(out, 1);
    putU16(out, 0);
    putU32(out, static_cast<std::uint32_t>(palette.colors.size()));
    for (const NamedColor& entry : palette.colors) {
        // The name's count includes the closing zero unit.
        const std::u16string name = toUtf16(entry.name) + u'\0';
        const RgbChannels c = SplitColor(entry.color);
        putU16(out, kColorEntry);
        putU32(out, static_cast<std::uint32_t>(2 + name.size() * 2 + 4 + 3 * 4 + 2));
        putU16(out, static_cast<std::uint32_t>(name.size()));
        for (const char16_t unit : name)
            putU16(out, unit);
        out += "RGB ";
        for (const int channel : {c.red, c.green, c.blue})
            putU32(out, std::bit_cast<std::uint32_t>(static_cast<float>(channel / 255.0)));
        putU16(out, kNormalColor);
    }
    return out;
}

std::optional<PaletteReading> readAse(std::string_view bytes)
{
    Reader file(bytes);
    if (file.bytes(4) != "ASEF" || file.u16() != 1)
        return std::nullopt;
    file.u16(); // the minor version
    const std::uint32_t blocks = file.u32();
    if (!file.ok())
        return std::nullopt;
    PaletteReading reading;
    bool named = false;
    // Every block takes at least six bytes, so the file's length bounds the loop.
    for (std::uint32_t index = 0; index < blocks && file.left() > 0; ++index) {
        const std::uint32_t type = file.u16();
        const std::uint32_t length = file.u32();
        Reader block(file.bytes(length));
        if (!file.ok()) {
            ++reading.skipped; // a block cut short by the end of the file
            break;
        }
        if (type == kGroupStart && !named) {
            reading.palette.name = readName(block);
            named = true;
        } else if (type == kColorEntry) {
            std::string name = readName(block);
            if (const std::optional<ColorValue> color = readColor(block))
                reading.add(std::move(name), *color);
            else
                ++reading.skipped;
        }
    }
    return reading;
}

} // namespace orvane
