#pragma once

#include <string>
#include <vector>

namespace orvane {

// The scheme file named on the command line. The arguments after the program's name are joined
// with single spaces (a path with blanks may arrive split) and surrounding quotes are removed.
// A text of one character or none names no file and gives an empty result.
std::string startupFileFromArguments(const std::vector<std::string>& arguments);

} // namespace orvane
