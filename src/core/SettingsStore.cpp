// SPDX-License-Identifier: MIT
#include "core/SettingsStore.h"

#include "core/AtomicFile.h"
#include "core/SettingsRecord.h"

#include <system_error>

namespace orvane {

SettingsStore::SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir)
    : SettingsStore(programDir, std::move(userConfigDir),
                    canCreateFilesIn(programDir) ? ProgramFolder::Writable
                                                 : ProgramFolder::ReadOnly)
{
}

SettingsStore::SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir,
                             ProgramFolder programFolder)
    : programDir_(std::move(programDir)), userConfigDir_(std::move(userConfigDir)),
      programFolder_(programFolder)
{
}

std::filesystem::path SettingsStore::programFile() const
{
    return programDir_ / kSettingsFileName;
}

std::filesystem::path SettingsStore::userFile() const
{
    return userConfigDir_ / kSettingsFileName;
}

SettingsStore::LoadResult SettingsStore::load(AppState& state) const
{
    const bool programFirst = programFolder_ == ProgramFolder::Writable;
    std::error_code error;
    LoadResult result = LoadResult::NoFile;
    for (const std::filesystem::path& file :
         {programFirst ? programFile() : userFile(), programFirst ? userFile() : programFile()}) {
        // A folder in the file's place is passed over, and so is a file that cannot be read,
        // though that is reported when no other file loads: the settings go to the other folder
        // at exit, so that is where the next start must find them.
        if (std::filesystem::is_directory(file, error) || !std::filesystem::exists(file, error))
            continue;
        if (LoadSettings(file, state))
            return LoadResult::Loaded;
        result = LoadResult::Unreadable;
    }
    return result;
}

std::optional<std::filesystem::path> SettingsStore::save(const AppState& state) const
{
    if (programFolder_ == ProgramFolder::Writable &&
        SaveSettings(programFile(), state) == WriteResult::Written)
        return programFile();
    if (createFolders(userConfigDir_) && SaveSettings(userFile(), state) == WriteResult::Written)
        return userFile();
    return std::nullopt;
}

} // namespace orvane
