#pragma once

#include "core/AppState.h"

#include <filesystem>
#include <optional>

namespace orvane {

inline constexpr const char* kSettingsFileName = "myset.cfg";

// Where the settings file lives: beside the program, or, when the program's folder cannot be
// written (an installed copy), in the user's configuration folder for Orvane.
class SettingsStore {
public:
    SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir);

    std::filesystem::path programFile() const;
    std::filesystem::path userFile() const;

    enum class LoadResult { NoFile, Loaded, Unreadable };
    // Reads the program folder's file, or the user folder's when the program folder has none (a
    // folder of that name counts as none).
    LoadResult load(AppState& state) const;
    // Writes beside the program, falling back to the user folder. Returns the file written, or
    // nothing when neither could be written.
    std::optional<std::filesystem::path> save(const AppState& state) const;

private:
    std::filesystem::path programDir_;
    std::filesystem::path userConfigDir_;
};

} // namespace orvane
