#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The scheme file named on the command line. The arguments after the program's name are joined
// with single spaces (a path with blanks may arrive split) and surrounding quotes are removed.
// A text of one character or none names no file and gives an empty result.
std::string startupFileFromArguments(const std::vector<std::string>& arguments);

// Removes every argument that is exactly the option and tells whether there was one. Options
// are taken out first, so that they never become part of the scheme file's path.
bool takeOption(std::vector<std::string>& arguments, std::string_view option);

} // namespace orvane
