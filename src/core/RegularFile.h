// SPDX-License-Identifier: MIT
#pragma once

#include "core/PlatformFiles.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// A regular file open for reading. Opening never waits: a FIFO, device, socket or folder in the
// file's place is turned down at once, and the check is made on the open file itself, so nothing
// swapped in between a check and the open is ever read.
class RegularFile {
public:
    // Nothing when path names no regular file or it cannot be opened.
    static std::optional<RegularFile> open(const std::filesystem::path& path);

    RegularFile(RegularFile&& other) noexcept = default;
    RegularFile& operator=(RegularFile&&) = delete;

    // The file's size when it was opened.
    std::uint64_t size() const { return size_; }
    // Reads at offset into buffer: the count read, 0 at the end, nothing when the read fails.
    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;
    // The file's first bytes, at most limit of them; nothing when a read fails or memory runs
    // out.
    std::optional<std::vector<std::uint8_t>> readUpTo(std::size_t limit) const;

private:
    RegularFile(platform::File file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

    platform::File file_;
    std::uint64_t size_;
};

} // namespace orvane
