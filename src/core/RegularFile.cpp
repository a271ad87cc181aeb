// SPDX-License-Identifier: MIT
#include "core/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {

std::optional<RegularFile> RegularFile::open(const std::filesystem::path& path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return RegularFile(fd, static_cast<std::uint64_t>(status.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_)
{
}

RegularFile::~RegularFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<std::size_t> RegularFile::readAt(std::uint64_t offset,
                                               std::span<std::uint8_t> buffer) const
{
    for (;;) {
        const ssize_t count =
            ::pread(fd_, buffer.data(), buffer.size(), static_cast<off_t>(offset));
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return std::nullopt;
    }
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
