// SPDX-License-Identifier: MIT
#include "core/JsonFormat.h"

#include "core/JsonParser.h"

#include <cstdio>

namespace orvane {

namespace {

constexpr std::array<const char*, kWebColorCount> kWebPageKeys = {
    "headerBar",  "sideBar", "bodyBox",     "pageBackground", "pageTitle",
    "headerText", "links",   "bodyCaption", "bodyText"};

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string color(ColorValue value)
{
    return quoted(hashHex(value));
}

// Adds the colour a value holds under the name; a value that holds none counts as skipped.
void addColor(PaletteReading& reading, std::string name, const JsonValue& value)
{
    const std::optional<ColorValue> read =
        value.kind == JsonValue::Kind::String && (value.text.size() == 4 || value.text.size() == 7)
            ? parseHashHex(value.text)
            : std::nullopt;
    if (read)
        reading.add(std::move(name), *read);
    else
        ++reading.skipped;
}

// The items of a member that should be an array; a member of another kind is one skipped entry.
const std::vector<JsonValue>* arrayMember(const JsonValue& object, std::string_view name,
                                          PaletteReading& reading)
{
    const JsonValue* member = object.member(name);
    if (member == nullptr)
        return nullptr;
    if (member->kind != JsonValue::Kind::Array) {
        ++reading.skipped;
        return nullptr;
    }
    return &member->items;
}

} // namespace

std::string writeSchemeJson(const ExportedScheme& scheme)
{
    const Palette palette = schemePalette(scheme);
    std::string text =
        "{\n  \"name\": " + quoted(palette.name) + ",\n  \"current\": " + color(scheme.current) +
        ",\n  \"mode\": " + (scheme.mode == SchemeMode::ColorWheel ? "\"wheel\"" : "\"group\"") +
        ",\n  \"scheme\": [";
    for (int index = 0; index < kSchemeSwatchCount; ++index)
        text += (index == 0 ? "\n    " : ",\n    ") + color(scheme.scheme[index]);
    text += "\n  ],\n  \"favorites\": [";
    for (int slot = 0; slot < kFavoriteSlots; ++slot) {
        const ColorValue favorite = scheme.favorites[slot];
        text += (slot == 0 ? "\n    " : ",\n    ") +
                (favorite == kNoColor ? std::string("null") : color(favorite));
    }
    text += "\n  ],\n  \"webPage\": {";
    for (int index = 0; index < kWebColorCount; ++index) {
        text += (index == 0 ? "\n    " : ",\n    ") + quoted(kWebPageKeys[index]) + ": " +
                color(scheme.webPage[index]);
    }
    return text + "\n  }\n}\n";
}

std::optional<PaletteReading> readJson(std::string_view text)
{
    const std::optional<JsonValue> root = parseJson(text);
    if (!root || root->kind != JsonValue::Kind::Object)
        return std::nullopt;
    const JsonValue* current = root->member("current");
    const JsonValue* webPage = root->member("webPage");
    if (current == nullptr && webPage == nullptr && root->member("scheme") == nullptr &&
        root->member("favorites") == nullptr)
        return std::nullopt;

    PaletteReading reading;
    if (const JsonValue* name = root->member("name");
        name != nullptr && name->kind == JsonValue::Kind::String)
        reading.palette.name = name->text;
    if (current != nullptr)
        addColor(reading, "Current", *current);
    if (const auto* scheme = arrayMember(*root, "scheme", reading)) {
        for (std::size_t index = 0; index < scheme->size(); ++index)
            addColor(reading, "Scheme " + std::to_string(index + 1), (*scheme)[index]);
    }
    if (const auto* favorites = arrayMember(*root, "favorites", reading)) {
        for (std::size_t slot = 0; slot < favorites->size(); ++slot) {
            if ((*favorites)[slot].kind != JsonValue::Kind::Null)
                addColor(reading, "Favorite " + std::to_string(slot + 1), (*favorites)[slot]);
        }
    }
    if (webPage != nullptr && webPage->kind != JsonValue::Kind::Object) {
        ++reading.skipped;
    } else if (webPage != nullptr) {
        // Known keys take the names the export gives them; others keep their own.
        for (const JsonValue& value : webPage->items) {
            std::string name = value.key;
            for (int index = 0; index < kWebColorCount; ++index) {
                if (value.key == kWebPageKeys[index])
                    name = kWebPageColorNames[index];
            }
            addColor(reading, std::move(name), value);
        }
    }
    return reading;
}

} // namespace orvane
