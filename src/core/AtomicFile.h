#pragma once

#include <filesystem>
#include <string_view>

namespace orvane {

// Replaces the content of the file at path with bytes so that a reader sees either the old
// file or the whole new one, never a torn mixture: the bytes go to a new file of a unique name
// in the same folder, are flushed to disk and the new file is renamed over the target. A
// symbolic link is followed, so the link stays and the file it names is replaced. An existing
// target keeps its permission bits. Returns false when anything fails; the target is then
// untouched and the temporary file is gone.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace orvane
