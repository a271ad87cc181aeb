// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A JSON value as the palette reader needs it: numbers and booleans are checked for their form
// and kept only as their kind.
struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text; // a string's characters, in UTF-8
    std::string key;  // the name of an object's member
    // An array's values, or an object's members with their keys, in the order of the text.
    std::vector<JsonValue> items;

    // The first member of that name; nothing for a missing member or a value that is no object.
    const JsonValue* member(std::string_view name) const;
};

// Arrays and objects nested deeper than this are refused, so that no text can exhaust the stack.
inline constexpr int kMaxJsonDepth = 64;
// Texts with more values than this are refused, so that none takes more memory than a palette
// file warrants.
inline constexpr std::size_t kMaxJsonValues = 100000;

// Parses one JSON text strictly as the JSON standard writes it: no comments, no trailing
// commas, no single quotes, nothing but blanks after the value (a UTF-8 byte-order mark before
// it is passed over). Escaped lone surrogates become U+FFFD. Nothing for a text that breaks a
// rule or a limit.
std::optional<JsonValue> parseJson(std::string_view text);

} // namespace orvane
