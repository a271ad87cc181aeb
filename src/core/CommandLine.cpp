// SPDX-License-Identifier: MIT
#include "core/CommandLine.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::string_view kEndOfOptions = "--";

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

bool takeOption(std::vector<std::string>& arguments, std::string_view option)
{
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    const auto kept = std::remove(arguments.begin(), end, option);
    const bool found = kept != end;
    arguments.erase(kept, end);
    return found;
}

} // namespace orvane
