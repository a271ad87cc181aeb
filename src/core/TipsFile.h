// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Splits the text of a tips file into its tips, one a line. A line ends at a carriage return,
// a carriage return and line feed, or a lone line feed; the last line may lack its end. Empty
// lines are tips of their own.
std::vector<std::string> parseTips(std::string_view text);

// The largest tips file read: far more than any set of tips needs, little enough to hold.
inline constexpr std::size_t kTipsFileLimit = 1024 * 1024;

// The tips file in programDir for the language the program speaks ("de" reads tips_de.txt):
// tips.txt for English (an empty language) or where the language has no tips file of its own.
std::filesystem::path tipsFileFor(const std::filesystem::path& programDir,
                                  const std::string& language);

// Reads the tips file; an empty list when it is missing, empty, not a regular file, unreadable
// or larger than kTipsFileLimit, which also sets tooLarge when given.
std::vector<std::string> readTipsFile(const std::filesystem::path& path, bool* tooLarge = nullptr);

} // namespace orvane
