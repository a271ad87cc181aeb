// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"
#include "core/PlatformFiles.h"

#include <algorithm>
#include <system_error>
#include <windows.h>

namespace orvane::platform {

namespace {

HANDLE handle(const File& file)
{
    return reinterpret_cast<HANDLE>(file.native());
}

File fileOf(HANDLE opened)
{
    return File(reinterpret_cast<std::intptr_t>(opened));
}

// Reading and looking never stand in the way of other programs: they may read, write, rename
// or remove the file meanwhile.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The size of the open file when it is a regular file on a disk: not a device (NUL, COM1,
// CON), a pipe or a folder.
std::optional<std::uint64_t> regularFileSize(const File& file)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(handle(file)) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle(file), &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return std::uint64_t{information.nFileSizeHigh} << 32 | information.nFileSizeLow;
}

// One call reads or writes at most this much.
constexpr std::size_t kLargestTransfer = 1 << 30;

} // namespace

bool File::close()
{
    return native_ == kNone || CloseHandle(reinterpret_cast<HANDLE>(std::exchange(native_, kNone)));
}

std::optional<OpenFile> openRegularFile(const std::filesystem::path& path)
{
    // A folder cannot be opened this way, and opening a device or a pipe does not wait.
    File file = fileOf(CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle(file) == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<std::uint64_t> size = regularFileSize(file);
    if (!size)
        return std::nullopt;
    return OpenFile{std::move(file), *size};
}

std::optional<std::size_t> readAt(const File& file, std::uint64_t offset,
                                  std::span<std::uint8_t> buffer)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD count = 0;
    const DWORD wanted = static_cast<DWORD>(std::min(buffer.size(), kLargestTransfer));
    if (ReadFile(handle(file), buffer.data(), wanted, &count, &at))
        return count;
    if (GetLastError() == ERROR_HANDLE_EOF)
        return 0;
    return std::nullopt;
}

bool writeAll(const File& file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
        if (!WriteFile(handle(file), bytes.data(), wanted, &written, nullptr) || written == 0)
            return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

bool syncFile(const File& file)
{
    return FlushFileBuffers(handle(file));
}

bool makeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return CreateDirectoryW(folder.c_str(), nullptr) ||
           (GetLastError() == ERROR_ALREADY_EXISTS && std::filesystem::is_directory(folder, error));
}

std::optional<Folder> Folder::open(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.empty() ? "." : path;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::nullopt;
    return Folder(File(), folder);
}

std::optional<Entry> Folder::entry(const std::filesystem::path& name) const
{
    // Asking for no access but the attributes passes any share mode, and the backup flag lets a
    // folder be opened, to be told apart.
    const File found =
        fileOf(CreateFileW((path_ / name).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle(found) == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        return Entry{Entry::Kind::Missing, 0};
    }
    return Entry{regularFileSize(found) ? Entry::Kind::Regular : Entry::Kind::Other, 0};
}

NameAttempt Folder::createNew(const std::filesystem::path& name, std::uint32_t, File& created) const
{
    // Shared with no one until it is closed.
    created = fileOf(CreateFileW((path_ / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle(created) != INVALID_HANDLE_VALUE)
        return NameAttempt::Done;
    return GetLastError() == ERROR_FILE_EXISTS ? NameAttempt::Taken : NameAttempt::Failed;
}

Placed Folder::placeUnnamed(const std::filesystem::path&, bool, std::uint32_t,
                            const std::function<bool(const File&)>&) const
{
    return Placed::Unsupported; // Windows files always have a name
}

bool Folder::replace(const std::filesystem::path& from, const std::filesystem::path& to) const
{
    // Windows refuses to replace a read-only file (Wine does not, so it is asked first), or one
    // that another program holds open. Write-through returns only once the move is on the disk.
    const std::filesystem::path target = path_ / to;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    return MoveFileExW((path_ / from).c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void Folder::remove(const std::filesystem::path& name) const
{
    DeleteFileW((path_ / name).c_str());
}

bool Folder::sync() const
{
    return true; // Windows has no folder to flush: the write-through move put the name on disk
}

} // namespace orvane::platform

namespace orvane {

// Access on Windows comes from lists of rules the program cannot easily weigh, so it tries:
// a file it can create is removed again when it is closed.
bool canCreateFilesIn(const std::filesystem::path& folder)
{
    return !withTemporaryName([&folder](const std::string& name) {
                const HANDLE probe =
                    CreateFileW((folder / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
                if (probe != INVALID_HANDLE_VALUE) {
                    CloseHandle(probe);
                    return NameAttempt::Done;
                }
                return GetLastError() == ERROR_FILE_EXISTS ? NameAttempt::Taken
                                                           : NameAttempt::Failed;
            }).empty();
}

} // namespace orvane
