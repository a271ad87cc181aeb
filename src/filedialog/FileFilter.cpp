// SPDX-License-Identifier: MIT
#include "filedialog/FileFilter.h"

namespace orvane {

std::string convertFilter(std::string_view filter)
{
    std::string converted(filter);
    for (char& c : converted) {
        if (c == '|' || c == ':')
            c = '\0';
    }
    converted.append(2, '\0');
    return converted;
}

std::vector<FilterPair> filterPairs(std::string_view converted)
{
    std::vector<FilterPair> pairs;
    std::size_t start = 0;
    while (start < converted.size() && converted[start] != '\0') {
        const std::size_t descriptionEnd = converted.find('\0', start);
        if (descriptionEnd == std::string_view::npos)
            break;
        const std::size_t patternEnd = converted.find('\0', descriptionEnd + 1);
        if (patternEnd == std::string_view::npos)
            break;
        pairs.push_back(
            {std::string(converted.substr(start, descriptionEnd - start)),
             std::string(converted.substr(descriptionEnd + 1, patternEnd - descriptionEnd - 1))});
        start = patternEnd + 1;
    }
    return pairs;
}

std::string lookupFilter(std::string_view converted, std::int32_t index)
{
    const std::vector<FilterPair> pairs = filterPairs(converted);
    if (index < 1 || static_cast<std::size_t>(index) > pairs.size())
        return {};
    const FilterPair& pair = pairs[static_cast<std::size_t>(index) - 1];
    return pair.description + '\0' + pair.pattern;
}

} // namespace orvane
