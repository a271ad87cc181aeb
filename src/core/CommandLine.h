// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The scheme file named on the command line. The arguments after the program's name are joined
// with single spaces (a path with blanks may arrive split) and surrounding quotes are removed.
// The first "--" ends the options and is no part of the path, so a file named like an option
// can be opened. A text of one character or none names no file and gives an empty result.
std::string startupFileFromArguments(const std::vector<std::string>& arguments);

// How many of the leading arguments, the program's name included, stand before the first "--".
// The toolkit takes its own options (-style, -reverse, ...) out wherever they stand, so it is
// handed only these, and a file named like one of them can still be opened.
int argumentsBeforeEndOfOptions(int argc, const char* const* argv);

// Removes every argument before the first "--" that is exactly the option and tells whether
// there was one. Options are taken out first, so that they never become part of the scheme
// file's path.
bool takeOption(std::vector<std::string>& arguments, std::string_view option);

} // namespace orvane
