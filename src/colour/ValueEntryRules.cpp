// SPDX-License-Identifier: MIT
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

std::optional<BoxEdit> keptEdit(std::string_view edited, std::size_t cursor,
                                std::string (*keep)(std::string_view), std::size_t length)
{
    std::string kept = keep(edited);
    if (kept.size() > length)
        return std::nullopt;
    return BoxEdit{std::move(kept), keep(edited.substr(0, cursor)).size()};
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

std::optional<BoxEdit> hexBoxEdit(std::string_view edited, std::size_t cursor)
{
    return keptEdit(edited, cursor, hexBoxCharacters, kHexBoxLength);
}

std::optional<BoxEdit> channelBoxEdit(std::string_view edited, std::size_t cursor)
{
    return keptEdit(edited, cursor, channelBoxCharacters, kChannelBoxLength);
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
