// SPDX-License-Identifier: MIT
#pragma once

#include "core/TemporaryName.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <utility>

// The file operations that POSIX systems and Windows do differently. The build compiles one of
// PlatformFilesPosix.cpp and PlatformFilesWindows.cpp; RegularFile and AtomicFile build the safe
// reading and the atomic saving on these once for both. canCreateFilesIn (AtomicFile.h) is
// defined there too.
namespace orvane::platform {

// An open file or folder, closed when it goes: a descriptor on POSIX systems, a handle on
// Windows.
class File {
public:
    File() = default;
    explicit File(std::intptr_t native) : native_(native) {}
    File(File&& other) noexcept : native_(std::exchange(other.native_, kNone)) {}
    // Closes the file it held.
    File& operator=(File&& other) noexcept
    {
        close();
        native_ = std::exchange(other.native_, kNone);
        return *this;
    }
    ~File() { close(); }

    std::intptr_t native() const { return native_; }
    // Closes the file now. Closing can report a write that failed late, so the result counts.
    bool close();

private:
    // Neither a descriptor nor a file handle is ever -1.
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t native_ = kNone;
};

struct OpenFile {
    File file;
    // The file's size when it was opened.
    std::uint64_t size;
};

// Opens path for reading when it names a regular file. Opening never waits: a FIFO, device,
// pipe, socket or folder in the file's place is turned down at once, and the check is made on
// the open file, so nothing swapped in between a check and the open is ever read. On Windows
// the file stays open to other readers, writers and to its removal or renaming.
std::optional<OpenFile> openRegularFile(const std::filesystem::path& path);
// Reads at offset into buffer: the count read, 0 at the end, nothing when the read fails.
std::optional<std::size_t> readAt(const File& file, std::uint64_t offset,
                                  std::span<std::uint8_t> buffer);
bool writeAll(const File& file, std::span<const std::uint8_t> bytes);
// Returns once what was written to file is on the disk.
bool syncFile(const File& file);
// Creates folder below its existing parent, on a POSIX system syncing the parent so that the
// new folder outlasts a power loss; also true when a folder of that name is there already.
bool makeFolder(const std::filesystem::path& folder);

// What a name in a folder stands for.
struct Entry {
    enum class Kind { Missing, Regular, Other };
    Kind kind;
    // The permission bits a file saved under the name gets on a POSIX system: the old file's,
    // or what the umask leaves for a new one. Windows files take their access from the folder.
    std::uint32_t newMode;
};

enum class Placed { Yes, No, Unsupported };

// The folder a file is saved in. On a POSIX system it is held open, so that every step acts on
// the same folder even if its path is changed meanwhile; Windows names it by its path.
class Folder {
public:
    // Nothing when path names no folder that can be opened; an empty path is the current one.
    static std::optional<Folder> open(const std::filesystem::path& path);

    // Nothing when it cannot be told.
    std::optional<Entry> entry(const std::filesystem::path& name) const;
    // Creates a new file of that name, with mode, that no one else opens while it is written.
    NameAttempt createNew(const std::filesystem::path& name, std::uint32_t mode,
                          File& created) const;
    // Writes a file that has no name yet with fill, then gives it the name, replacing the file
    // there when replace is true. Unsupported where the system has no unnamed files: Windows,
    // some file systems, and Linux without /proc.
    Placed placeUnnamed(const std::filesystem::path& name, bool replace, std::uint32_t mode,
                        const std::function<bool(const File&)>& fill) const;
    // Puts the closed file from in the place of to in one step, replacing what is there.
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to) const;
    void remove(const std::filesystem::path& name) const;
    // Returns once the names in the folder outlast a power loss.
    bool sync() const;

private:
    Folder(File handle, std::filesystem::path path)
        : handle_(std::move(handle)), path_(std::move(path))
    {
    }

    File handle_;                // POSIX
    std::filesystem::path path_; // Windows
};

} // namespace orvane::platform
