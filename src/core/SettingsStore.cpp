#include "core/SettingsStore.h"

#include "core/AtomicFile.h"
#include "core/SettingsRecord.h"

#include <system_error>

namespace orvane {

SettingsStore::SettingsStore(std::filesystem::path programDir, std::filesystem::path userConfigDir)
    : programDir_(std::move(programDir)), userConfigDir_(std::move(userConfigDir))
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
    std::error_code error;
    for (const std::filesystem::path& file : {programFile(), userFile()}) {
        // A folder in the file's place is passed over: the settings go to the user folder at
        // exit, so that is where the next start must find them.
        if (std::filesystem::is_directory(file, error))
            continue;
        if (std::filesystem::exists(file, error))
            return LoadSettings(file, state) ? LoadResult::Loaded : LoadResult::Unreadable;
    }
    return LoadResult::NoFile;
}

std::optional<std::filesystem::path> SettingsStore::save(const AppState& state) const
{
    if (SaveSettings(programFile(), state) == WriteResult::Written)
        return programFile();
    if (createFolders(userConfigDir_) && SaveSettings(userFile(), state) == WriteResult::Written)
        return userFile();
    return std::nullopt;
}

} // namespace orvane
