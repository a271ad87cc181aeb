// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"

#include <filesystem>
#include <optional>

namespace orvane {

inline constexpr const char* kSettingsFileName = "myset.cfg";

// Where the settings file lives: beside the program, or, when the program's folder cannot be
// written (an installed copy), in the user's configuration folder for Orvane. Loading and saving
// agree on that choice, so that a file the user cannot replace never hides the user's own.
class SettingsStore {
public:
    enum class ProgramFolder { Writable, ReadOnly };

    // Finds out whether this process can write the program folder.
    SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir);
    SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir,
                  ProgramFolder programFolder);

    std::filesystem::path programFile() const;
    std::filesystem::path userFile() const;

    enum class LoadResult { NoFile, Loaded, Unreadable };
    // Reads the file beside the program, else the user folder's; where the program folder
    // cannot be written, the other way round. A folder of that name counts as no file; a file
    // that cannot be read gives Unreadable unless the other one loads.
    LoadResult load(AppState& state) const;
    // Writes beside the program when its folder can be written, else or on failure to the user
    // folder. Returns the file written, or nothing when neither could be written.
    std::optional<std::filesystem::path> save(const AppState& state) const;

private:
    std::filesystem::path programDir_;
    std::filesystem::path userConfigDir_;
    ProgramFolder programFolder_;
};

} // namespace orvane
