// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace orvane {

enum class WriteResult { Written, NotARegularFile, Failed };
// Whether the bytes of an existing file past the new bytes are dropped or kept after them.
enum class OldTail { Drop, Keep };

// Replaces the content of the file at path with bytes so that a reader, even after a power
// loss, sees either the old file or the whole new one, never a torn mixture: the bytes go to a
// new file in the same folder, unnamed where the file system allows, which is synced and then
// put in the target's place, and the folder is synced last. On a POSIX system a symbolic link
// is followed, so the link stays and the file it names is replaced, and an existing target
// keeps its permission bits; a new one gets the usual ones. Windows refuses to replace a
// read-only file or one that another program holds open, which gives Failed. With
// OldTail::Keep the old file's bytes past bytes.size() are copied after them in bounded chunks.
// A target that is not a regular file (a folder, device, FIFO, pipe or socket) is refused with
// NotARegularFile, and nothing is written. On Failed the target is untouched and nothing the
// write created is left behind, unless only the final sync of the folder failed: then the new
// file is in place but may not outlast a power loss.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                OldTail tail = OldTail::Drop);

// Creates folder and the missing folders above it, syncing each parent so that the new folders
// survive a power loss. True when folder exists afterwards.
bool createFolders(const std::filesystem::path& folder);

// Whether this process may create files in folder.
bool canCreateFilesIn(const std::filesystem::path& folder);

} // namespace orvane
