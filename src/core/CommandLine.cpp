#include "core/CommandLine.h"

#include <algorithm>

namespace orvane {

std::string startupFileFromArguments(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    if (text.size() <= 1)
        return {};
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

bool takeOption(std::vector<std::string>& arguments, std::string_view option)
{
    return std::erase_if(arguments,
                         [option](const std::string& argument) { return argument == option; }) > 0;
}

} // namespace orvane
