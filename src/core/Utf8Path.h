// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

// Paths from and to UTF-8, the encoding of every text in the plain layers. On a POSIX system
// both keep the bytes as they are. On Windows they convert to and from the UTF-16 names of the
// file system, where path's own narrow conversions would go through the ANSI code page, which
// cannot hold most names; there a text that is no UTF-8, or a name that is no UTF-16, throws
// std::system_error.
inline std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

inline std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace orvane
