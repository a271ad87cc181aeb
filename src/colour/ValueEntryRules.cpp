#include "colour/ValueEntryRules.h"

#include "colour/ColorValue.h"

#include <algorithm>
#include <cctype>

namespace orvane {

namespace {

template <typename Keep> std::string keepOnly(std::string_view text, Keep keep)
{
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [&](char c) { return keep(static_cast<unsigned char>(c)); });
    return kept;
}

} // namespace

std::string channelBoxCharacters(std::string_view text)
{
    return keepOnly(text, [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string hexBoxCharacters(std::string_view text)
{
    return keepOnly(text, [](unsigned char c) { return std::isxdigit(c) != 0; });
}

std::string settledChannelText(std::string_view text)
{
    if (text.empty())
        return "0";
    if (channelValue(text) >= 256)
        return "255";
    return std::string(text);
}

} // namespace orvane
