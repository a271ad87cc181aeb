// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"
#include "core/PlatformFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvane::platform {

namespace {

int descriptor(const File& file)
{
    return static_cast<int>(file.native());
}

// 0666 less the umask, which Linux reports in /proc; elsewhere it can only be read by setting
// it, briefly.
mode_t newFileMode()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:"))
            return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

File openFolder(const std::filesystem::path& path)
{
    return File(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// A new name lasts a power loss only once the folder holding it is synced. Some file systems
// cannot sync a folder and say so with EINVAL; they keep names by other means.
bool syncFolder(const File& folder)
{
    return ::fsync(descriptor(folder)) == 0 || errno == EINVAL;
}

} // namespace

bool File::close()
{
    return native_ == kNone || ::close(static_cast<int>(std::exchange(native_, kNone))) == 0;
}

std::optional<OpenFile> openRegularFile(const std::filesystem::path& path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    File file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.native() < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(descriptor(file), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return OpenFile{std::move(file), static_cast<std::uint64_t>(status.st_size)};
}

std::optional<std::size_t> readAt(const File& file, std::uint64_t offset,
                                  std::span<std::uint8_t> buffer)
{
    for (;;) {
        const ssize_t count =
            ::pread(descriptor(file), buffer.data(), buffer.size(), static_cast<off_t>(offset));
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return std::nullopt;
    }
}

bool writeAll(const File& file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor(file), bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool syncFile(const File& file)
{
    return ::fsync(descriptor(file)) == 0;
}

bool makeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (::mkdir(folder.c_str(), 0777) != 0)
        return errno == EEXIST && std::filesystem::is_directory(folder, error);
    const File above = openFolder(folder.parent_path());
    return above.native() >= 0 && syncFolder(above);
}

std::optional<Folder> Folder::open(const std::filesystem::path& path)
{
    File handle = openFolder(path);
    if (handle.native() < 0)
        return std::nullopt;
    return Folder(std::move(handle), path);
}

std::optional<Entry> Folder::entry(const std::filesystem::path& name) const
{
    struct stat old {};
    if (::fstatat(descriptor(handle_), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return std::nullopt;
        return Entry{Entry::Kind::Missing, newFileMode()};
    }
    if (!S_ISREG(old.st_mode))
        return Entry{Entry::Kind::Other, 0};
    return Entry{Entry::Kind::Regular, old.st_mode & 07777};
}

// Created 0600, so that no one else reads it half-written, and given its mode at once.
NameAttempt Folder::createNew(const std::filesystem::path& name, std::uint32_t mode,
                              File& created) const
{
    created = File(
        ::openat(descriptor(handle_), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (created.native() < 0)
        return errno == EEXIST ? NameAttempt::Taken : NameAttempt::Failed;
    if (::fchmod(descriptor(created), mode) == 0)
        return NameAttempt::Done;
    created.close();
    remove(name);
    return NameAttempt::Failed;
}

Placed Folder::placeUnnamed(const std::filesystem::path& name, bool replace, std::uint32_t mode,
                            const std::function<bool(const File&)>& fill) const
{
    const int folder = descriptor(handle_);
    const File file(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (file.native() < 0)
        return Placed::Unsupported;
    if (::fchmod(descriptor(file), mode) != 0 || !fill(file))
        return Placed::No;
    // Linking needs /proc; without it the named way is taken.
    const std::string self = "/proc/self/fd/" + std::to_string(file.native());
    const auto linkAs = [&](const std::string& as) {
        if (::linkat(AT_FDCWD, self.c_str(), folder, as.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return NameAttempt::Done;
        return errno == EEXIST ? NameAttempt::Taken : NameAttempt::Failed;
    };
    if (!replace) {
        const NameAttempt linked = linkAs(name.native());
        if (linked == NameAttempt::Done)
            return Placed::Yes;
        if (linked == NameAttempt::Failed)
            return errno == ENOENT ? Placed::Unsupported : Placed::No;
    }
    const std::string temporary = withTemporaryName(linkAs);
    if (temporary.empty())
        return errno == ENOENT ? Placed::Unsupported : Placed::No;
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0)
        return Placed::Yes;
    ::unlinkat(folder, temporary.c_str(), 0);
    return Placed::No;
}

bool Folder::replace(const std::filesystem::path& from, const std::filesystem::path& to) const
{
    return ::renameat(descriptor(handle_), from.c_str(), descriptor(handle_), to.c_str()) == 0;
}

void Folder::remove(const std::filesystem::path& name) const
{
    ::unlinkat(descriptor(handle_), name.c_str(), 0);
}

bool Folder::sync() const
{
    return syncFolder(handle_);
}

} // namespace orvane::platform

namespace orvane {

bool canCreateFilesIn(const std::filesystem::path& folder)
{
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace orvane
