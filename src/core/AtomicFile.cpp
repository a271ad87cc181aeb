#include "core/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvane {

namespace {

// Where the bytes really belong: the file a symbolic link names rather than the link itself,
// since renaming over a link would replace the link with a plain file.
std::filesystem::path resolveTarget(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

// Creates a new file of an unused name in folder and returns its descriptor, or -1. The name
// is short and fixed in length so that a target name near the length limit still works, and
// O_EXCL guarantees that nothing already there is opened or overwritten.
constexpr std::string_view kTemporaryPrefix = ".orvane-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 10;

bool isTemporaryName(std::string_view name)
{
    return name.size() ==
               kTemporaryPrefix.size() + kTemporaryRandomLength + kTemporarySuffix.size() &&
           name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

int createTemporary(const std::filesystem::path& folder, std::filesystem::path& temporary)
{
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kDigits - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(kTemporaryPrefix);
        for (std::size_t i = 0; i < kTemporaryRandomLength; ++i)
            name += kDigits[pick(random)];
        name += kTemporarySuffix;
        temporary = folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Fills the open temporary and closes it; true when every step succeeded.
bool fillTemporary(int fd, const std::filesystem::path& target, std::string_view bytes)
{
    bool ok = true;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    // close can report a deferred write error, so its result counts too.
    return ::close(fd) == 0 && ok;
}

// A write killed between creating its temporary and renaming it leaves the temporary behind.
// Such leftovers are cleared before the next write into the same folder; a young one may
// belong to a write still under way in another copy of the program, so it is left alone.
void removeStaleTemporaries(const std::filesystem::path& folder)
{
    constexpr auto kStaleAfter = std::chrono::minutes(1);
    std::error_code error;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!isTemporaryName(name) || !entry->is_regular_file(error))
            continue;
        const auto written = entry->last_write_time(error);
        if (!error && now - written > kStaleAfter)
            std::filesystem::remove(entry->path(), error);
        error.clear();
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    if (path.empty())
        return false;
    try {
        const std::filesystem::path target = resolveTarget(path);
        removeStaleTemporaries(target.parent_path().empty() ? "." : target.parent_path());
        std::filesystem::path temporary;
        const int fd = createTemporary(target.parent_path(), temporary);
        if (fd < 0)
            return false;
        if (fillTemporary(fd, target, bytes) && ::rename(temporary.c_str(), target.c_str()) == 0)
            return true;
        ::unlink(temporary.c_str());
        return false;
    } catch (const std::exception&) {
        // Out of memory or no random source: nothing was written.
        return false;
    }
}

} // namespace orvane
