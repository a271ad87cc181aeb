// SPDX-License-Identifier: MIT
#include "core/CommandLine.h"

#include <algorithm>
#include <iterator>

namespace orvane {

namespace {

constexpr std::string_view kEndOfOptions = "--";

struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};

// The options Qt's application object and its X11 platform take out of the command line, in
// their one-dash form.
constexpr ToolkitOption kToolkitOptions[] = {
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-display", true},
    {"-geometry", true},
    {"-title", true},
    {"-icon", true},
    {"-name", true},
    {"-visual", true},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-testability", false},
    {"-qmljsdebugger", false},
    {"-nograb", false},
    {"-dograb", false},
};
// Options that carry their value after an equals sign, in their one-dash form.
constexpr std::string_view kToolkitOptionsWithEquals[] = {
    "-style=", "-stylesheet=", "-qmljsdebugger="};

// How many arguments belong to the toolkit option that begins with this one: none when it is no
// toolkit option, else the option alone or the option and its value.
int toolkitArgumentCount(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    for (const ToolkitOption& option : kToolkitOptions) {
        if (argument == option.name)
            return option.takesValue ? 2 : 1;
    }
    for (std::string_view prefix : kToolkitOptionsWithEquals) {
        if (argument.starts_with(prefix))
            return 1;
    }
    return 0;
}

} // namespace

std::string startupFileFromArguments(const std::vector<std::string>& arguments)
{
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    std::string text;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (argument == end)
            continue;
        if (!text.empty())
            text += ' ';
        text += *argument;
    }
    if (text.size() <= 1)
        return {};
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

int argumentsBeforeEndOfOptions(int argc, const char* const* argv)
{
    int count = 0;
    while (count < argc && argv[count] != kEndOfOptions)
        ++count;
    return count;
}

CommandLineDecision decideCommandLine(const std::vector<std::string>& arguments,
                                      const std::vector<std::string_view>& ownOptions,
                                      const std::function<bool(const std::string&)>& isFile)
{
    CommandLineDecision decision;
    // What is left for the scheme path once the toolkit and the program took their options.
    std::vector<std::string> pathArguments;
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    for (auto argument = arguments.begin(); argument != end; ++argument) {
        if (const int count = toolkitArgumentCount(*argument)) {
            if (count == 2 && std::next(argument) != end)
                ++argument;
            continue;
        }
        if (std::find(ownOptions.begin(), ownOptions.end(), *argument) != ownOptions.end())
            continue;
        pathArguments.push_back(*argument);
        if (decision.request != CommandLineRequest::Start)
            continue;
        if (*argument == "--help")
            decision.request = CommandLineRequest::Help;
        else if (*argument == "--version")
            decision.request = CommandLineRequest::Version;
        else if (argument->starts_with("--"))
            decision = {CommandLineRequest::UnknownOption, *argument};
    }
    pathArguments.insert(pathArguments.end(), end, arguments.end());
    if (decision.request == CommandLineRequest::UnknownOption &&
        isFile(startupFileFromArguments(pathArguments)))
        return {};
    return decision;
}

bool takeOption(std::vector<std::string>& arguments, std::string_view option)
{
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    const auto kept = std::remove(arguments.begin(), end, option);
    const bool found = kept != end;
    arguments.erase(kept, end);
    return found;
}

} // namespace orvane
