// SPDX-License-Identifier: MIT
#include "core/RegularFile.h"

#include <algorithm>
#include <new>
#include <utility>

namespace orvane {

std::optional<RegularFile> RegularFile::open(const std::filesystem::path& path)
{
    std::optional<platform::OpenFile> opened = platform::openRegularFile(path);
    if (!opened)
        return std::nullopt;
    return RegularFile(std::move(opened->file), opened->size);
}

std::optional<std::size_t> RegularFile::readAt(std::uint64_t offset,
                                               std::span<std::uint8_t> buffer) const
{
    return platform::readAt(file_, offset, buffer);
}

std::optional<std::vector<std::uint8_t>> RegularFile::readUpTo(std::size_t limit) const
{
    try {
        // The size only guides the first allocation: files under /proc report none, and a file
        // may grow while it is read, so the reading stops at the end or at the limit.
        std::vector<std::uint8_t> bytes(
            std::min<std::uint64_t>(limit, std::max<std::uint64_t>(size_, 4096)));
        std::size_t done = 0;
        while (done < limit) {
            if (done == bytes.size())
                bytes.resize(std::min(limit, 2 * done));
            const std::optional<std::size_t> count = readAt(done, std::span(bytes).subspan(done));
            if (!count)
                return std::nullopt;
            if (*count == 0)
                break;
            done += *count;
        }
        bytes.resize(done);
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace orvane
