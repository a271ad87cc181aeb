// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"

#include "core/RegularFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace orvane {

namespace {

// Closes the descriptor it owns when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // close can report a deferred write error, so its result counts.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// The file a chain of symbolic links ends at; nothing for a loop.
std::optional<std::filesystem::path> resolveLinks(std::filesystem::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code notALink;
        const std::filesystem::path next = std::filesystem::read_symlink(path, notALink);
        if (notALink)
            return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
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

// Tries fresh names of the form .orvane-XXXXXXXXXX.tmp until attempt succeeds with one, or
// fails for a reason other than the name being taken; the name it succeeded with, else empty.
std::string withTemporaryName(const std::function<bool(const std::string&)>& attempt)
{
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kDigits - 2);
    for (int tries = 0; tries < 100; ++tries) {
        std::string name = ".orvane-";
        for (int i = 0; i < 10; ++i)
            name += kDigits[pick(random)];
        name += ".tmp";
        if (attempt(name))
            return name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0) {
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }
    return true;
}

// What goes into the new file: its permission bits, the bytes and the old file's tail.
struct Content {
    mode_t mode;
    std::string_view bytes;
    const RegularFile* old;

    // Writes everything to fd and syncs it; true when every step succeeded.
    bool fill(int fd) const
    {
        if (::fchmod(fd, mode) != 0 ||
            !writeAll(fd, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))
            return false;
        std::array<std::uint8_t, 64 * 1024> chunk;
        // Copies up to the old size only, so a file that keeps growing cannot hold the save.
        for (std::uint64_t offset = bytes.size(); old && offset < old->size();) {
            const std::size_t wanted = std::min<std::uint64_t>(chunk.size(), old->size() - offset);
            const std::optional<std::size_t> count =
                old->readAt(offset, std::span(chunk).first(wanted));
            if (!count)
                return false;
            if (*count == 0)
                break; // the old file shrank meanwhile
            if (!writeAll(fd, chunk.data(), *count))
                return false;
            offset += *count;
        }
        return ::fsync(fd) == 0;
    }
};

enum class Placed { Yes, No, Unsupported };

// Writes the content to an unnamed file and links it in: straight under the target's name when
// there is no target, else under a temporary name that is then renamed over the target.
Placed placeUnnamed(int folder, const std::string& name, bool replace, const Content& content)
{
    Descriptor fd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return Placed::Unsupported;
    if (!content.fill(fd.get()))
        return Placed::No;
    // Linking needs /proc; without it the named way is taken.
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    const auto linkAs = [&](const std::string& as) {
        return ::linkat(AT_FDCWD, self.c_str(), folder, as.c_str(), AT_SYMLINK_FOLLOW) == 0;
    };
    if (!replace && linkAs(name))
        return Placed::Yes;
    if (!replace && errno != EEXIST)
        return errno == ENOENT ? Placed::Unsupported : Placed::No;
    const std::string temporary = withTemporaryName(linkAs);
    if (temporary.empty())
        return errno == ENOENT ? Placed::Unsupported : Placed::No;
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0)
        return Placed::Yes;
    ::unlinkat(folder, temporary.c_str(), 0);
    return Placed::No;
}

// Writes the content to a new file of a temporary name, created 0600 so that no one else reads
// it half-written, and renames it over the target. The temporary is removed on failure.
bool placeNamed(int folder, const std::string& name, const Content& content)
{
    int created = -1;
    const std::string temporary = withTemporaryName([&](const std::string& candidate) {
        created =
            ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return created >= 0;
    });
    Descriptor fd(created);
    if (temporary.empty())
        return false;
    if (content.fill(fd.get()) && fd.close() &&
        ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0)
        return true;
    ::unlinkat(folder, temporary.c_str(), 0);
    return false;
}

// A new name lasts a power loss only once the folder holding it is synced. Some file systems
// cannot sync a folder and say so with EINVAL; they keep names by other means.
bool syncFolder(int folder)
{
    return ::fsync(folder) == 0 || errno == EINVAL;
}

WriteResult writeFile(const std::filesystem::path& path, std::string_view bytes, OldTail tail)
{
    const std::optional<std::filesystem::path> target = resolveLinks(path);
    if (!target)
        return WriteResult::Failed;
    const std::filesystem::path parent = target->parent_path();
    const Descriptor folder(
        ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::string name = target->filename().string();
    if (folder.get() < 0 || name.empty())
        return WriteResult::Failed;
    struct stat old {};
    const bool exists = ::fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        return WriteResult::Failed;
    if (exists && !S_ISREG(old.st_mode))
        return WriteResult::NotARegularFile;
    const bool keep = exists && tail == OldTail::Keep;
    const std::optional<RegularFile> oldFile =
        keep ? RegularFile::open(*target) : std::optional<RegularFile>();
    if (keep && !oldFile)
        return WriteResult::Failed; // keeping what lies past the new bytes needs the old file
    const Content content{exists ? old.st_mode & 07777 : newFileMode(), bytes,
                          oldFile ? &*oldFile : nullptr};
    Placed placed = placeUnnamed(folder.get(), name, exists, content);
    if (placed == Placed::Unsupported)
        placed = placeNamed(folder.get(), name, content) ? Placed::Yes : Placed::No;
    return placed == Placed::Yes && syncFolder(folder.get()) ? WriteResult::Written
                                                             : WriteResult::Failed;
}

} // namespace

WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                OldTail tail)
{
    if (path.empty())
        return WriteResult::Failed;
    try {
        return writeFile(path, bytes, tail);
    } catch (const std::exception&) {
        // Out of memory or no random source: nothing was written.
        return WriteResult::Failed;
    }
}

bool createFolders(const std::filesystem::path& folder)
{
    try {
        std::error_code error;
        if (folder.empty() || std::filesystem::is_directory(folder, error))
            return !folder.empty();
        const std::filesystem::path parent = folder.parent_path();
        if (!parent.empty() && !createFolders(parent))
            return false;
        if (::mkdir(folder.c_str(), 0777) != 0)
            return errno == EEXIST && std::filesystem::is_directory(folder, error);
        const Descriptor above(
            ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        return above.get() >= 0 && syncFolder(above.get());
    } catch (const std::exception&) {
        return false;
    }
}

bool canCreateFilesIn(const std::filesystem::path& folder)
{
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace orvane
