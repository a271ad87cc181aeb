// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// What the command line asks the program to do.
enum class CommandLineRequest { Start, Help, Version, UnknownOption };

struct CommandLineDecision {
    CommandLineRequest request = CommandLineRequest::Start;
    // The option that was not understood, for UnknownOption.
    std::string option;

    bool operator==(const CommandLineDecision&) const = default;
};

// Decides on the arguments after the program's name, as the program received them, so that help,
// version and a wrong option are answered without a display. Only arguments before the first
// "--" can be options, and the first request among them wins. "--help" and "--version" ask for
// those; any other argument that begins with "--" is an unknown option, unless it is one of
// ownOptions or one of the toolkit's (which the toolkit also takes with two dashes, as in
// "--platform NAME"), or the scheme path the arguments form names an existing file (isFile): a
// file named like an option has always opened.
CommandLineDecision decideCommandLine(const std::vector<std::string>& arguments,
                                      const std::vector<std::string_view>& ownOptions,
                                      const std::function<bool(const std::string&)>& isFile);

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
