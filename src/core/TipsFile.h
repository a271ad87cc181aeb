#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Splits the text of a tips file into its tips, one a line. A line ends at a carriage return,
// a carriage return and line feed, or a lone line feed; the last line may lack its end. Empty
// lines are tips of their own.
std::vector<std::string> parseTips(std::string_view text);

// Reads the tips file; an empty list when it is missing, empty or unreadable.
std::vector<std::string> readTipsFile(const std::filesystem::path& path);

} // namespace orvane
