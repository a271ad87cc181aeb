// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"

#include "core/PlatformFiles.h"
#include "core/RegularFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace orvane {

namespace {

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

// What goes into the new file: the bytes and the old file's tail.
struct Content {
    std::string_view bytes;
    std::optional<RegularFile> old;

    // Writes everything to file and syncs it; true when every step succeeded.
    bool fill(const platform::File& file) const
    {
        if (!platform::writeAll(
                file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())))
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
            if (!platform::writeAll(file, std::span(chunk).first(*count)))
                return false;
            offset += *count;
        }
        return platform::syncFile(file);
    }
};

// Writes the content to a new file of a temporary name and puts it in the target's place. The
// temporary is removed on failure.
bool placeNamed(const platform::Folder& folder, const std::filesystem::path& name,
                std::uint32_t mode, Content& content)
{
    platform::File file;
    std::filesystem::path temporary;
    const std::string created = withTemporaryName([&](const std::string& candidate) {
        // Made before the file is: an allocation failing after it would leave the file behind.
        temporary = candidate;
        return folder.createNew(temporary, mode, file);
    });
    if (created.empty())
        return false;
    const bool filled = content.fill(file);
    if (file.close() && filled) {
        // Windows refuses to replace a file that is open, even by us.
        content.old.reset();
        if (folder.replace(temporary, name))
            return true;
    }
    folder.remove(temporary);
    return false;
}

WriteResult writeFile(const std::filesystem::path& path, std::string_view bytes, OldTail tail)
{
    const std::optional<std::filesystem::path> target = resolveLinks(path);
    if (!target)
        return WriteResult::Failed;
    const std::filesystem::path name = target->filename();
    const std::optional<platform::Folder> folder = platform::Folder::open(target->parent_path());
    if (!folder || name.empty())
        return WriteResult::Failed;
    const std::optional<platform::Entry> old = folder->entry(name);
    if (!old)
        return WriteResult::Failed;
    if (old->kind == platform::Entry::Kind::Other)
        return WriteResult::NotARegularFile;
    const bool exists = old->kind == platform::Entry::Kind::Regular;
    const bool keep = exists && tail == OldTail::Keep;
    Content content{bytes, keep ? RegularFile::open(*target) : std::nullopt};
    if (keep && !content.old)
        return WriteResult::Failed; // keeping what lies past the new bytes needs the old file
    platform::Placed placed =
        folder->placeUnnamed(name, exists, old->newMode,
                             [&content](const platform::File& file) { return content.fill(file); });
    if (placed == platform::Placed::Unsupported)
        placed = placeNamed(*folder, name, old->newMode, content) ? platform::Placed::Yes
                                                                  : platform::Placed::No;
    return placed == platform::Placed::Yes && folder->sync() ? WriteResult::Written
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
        if (parent == folder)
            return false; // a root that is no folder, such as a drive that is not there
        if (!parent.empty() && !createFolders(parent))
            return false;
        return platform::makeFolder(folder);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace orvane
