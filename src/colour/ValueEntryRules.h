#pragma once

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
// After every edit a channel box that is empty becomes "0" and one holding 256 or more "255";
// anything else, leading zeros included, stays as typed.
std::string settledChannelText(std::string_view text);

} // namespace orvane
