// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// What the value boxes may hold, however the text arrives (typed, pasted or dropped).
inline constexpr std::size_t kChannelBoxLength = 3;
inline constexpr std::size_t kHexBoxLength = 6;

// The text with every character but 0-9 removed.
std::string channelBoxCharacters(std::string_view text);
// The text with every character but 0-9, a-f and A-F removed.
std::string hexBoxCharacters(std::string_view text);

// A box's text and where the cursor stands in it, in bytes.
struct BoxEdit {
    std::string text;
    std::size_t cursor = 0;
};
// What a box holds after an edit left the text edited in it with the cursor at cursor: the
// characters the box keeps, in order, with the cursor after those that stood before it; nothing
// when more are kept than the box holds, and the box refuses the edit.
std::optional<BoxEdit> hexBoxEdit(std::string_view edited, std::size_t cursor);
std::optional<BoxEdit> channelBoxEdit(std::string_view edited, std::size_t cursor);

// After every edit a channel box that is empty becomes "0" and one holding 256 or more "255";
// anything else, leading zeros included, stays as typed.
std::string settledChannelText(std::string_view text);

} // namespace orvane
