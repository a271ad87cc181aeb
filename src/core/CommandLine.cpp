#include "core/CommandLine.h"

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

} // namespace orvane
