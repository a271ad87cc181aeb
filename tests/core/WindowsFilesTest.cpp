// SPDX-License-Identifier: MIT
// The Windows file system as the program meets it: names beyond the ANSI code page, files other
// programs hold open, read-only files, and device names in a file's place.
#include "SettingsFilesTest.h"

#include "core/AtomicFile.h"
#include "core/PaletteFiles.h"
#include "core/TipsFile.h"

#include <windows.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Result = SettingsStore::LoadResult;

// Every reader refuses path, and leaves the state alone.
void expectUnreadable(const fs::path& path)
{
    AppState loaded = distinctState(1);
    EXPECT_FALSE(LoadSettings(path, loaded));
    EXPECT_EQ(recordOf(loaded), recordOf(distinctState(1)));
    EXPECT_EQ(readPaletteFile(path).problem, PaletteProblem::Unreadable);
    EXPECT_TRUE(readTipsFile(path).empty());
}

TEST_F(SettingsFilesTest, NamesWithSpacesAndBeyondTheCodePageAreSavedAndRead)
{
    const fs::path schemes = dir / pathFromUtf8("Farbschemata");
    ASSERT_TRUE(createFolders(schemes / pathFromUtf8("配色")));
    const fs::path scheme = schemes / pathFromUtf8("Grün Blau.vrx");
    ASSERT_EQ(SaveSettings(scheme, distinctState(0)), WriteResult::Written);
    ASSERT_EQ(SaveSettings(scheme, distinctState(2)), WriteResult::Written);
    AppState loaded = distinctState(3);
    ASSERT_TRUE(LoadSettings(scheme, loaded));
    EXPECT_EQ(recordOf(loaded), recordOf(distinctState(2)));

    const SettingsStore store(schemes / pathFromUtf8("配色"), dir / "user");
    EXPECT_EQ(store.save(withScheme(0x123456)), dir / pathFromUtf8("Farbschemata/配色/myset.cfg"));
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x123456}));
    write(pathFromUtf8("Ölfarben.gpl"), "GIMP Palette\n0 0 255 Blau\n");
    EXPECT_EQ(readPaletteFile(dir / pathFromUtf8("Ölfarben.gpl")).problem, PaletteProblem::None);
    EXPECT_EQ(names(), (Names{"Farbschemata", "Ölfarben.gpl"}));
}

// Another program holds the file open. Its share mode says whether we may read the file, but
// no share mode lets it be replaced while it is open: the save fails and loses nothing.
TEST_F(SettingsFilesTest, AFileHeldOpenIsReadAsItsShareModeAllowsButNeverReplaced)
{
    const std::string old = recordOf(distinctState(0));
    const struct {
        DWORD share;
        bool readable;
    } holds[] = {
        {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
        {FILE_SHARE_READ, true},
        {0, false},
    };
    for (const auto& [share, readable] : holds) {
        SCOPED_TRACE(share);
        write("held.cfg", old);
        const HANDLE held =
            CreateFileW((dir / "held.cfg").c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        if (readable) {
            AppState loaded = distinctState(1);
            EXPECT_TRUE(LoadSettings(dir / "held.cfg", loaded));
            EXPECT_EQ(recordOf(loaded), old);
        } else {
            expectUnreadable(dir / "held.cfg");
        }
        EXPECT_EQ(SaveSettings(dir / "held.cfg", distinctState(4)), WriteResult::Failed);
        CloseHandle(held);
        EXPECT_EQ(read("held.cfg"), old);
        EXPECT_EQ(names(), Names{"held.cfg"});
    }

    // Settings the program folder's file cannot take go to the user's folder.
    const SettingsStore store(dir, dir / "user");
    const HANDLE held = CreateFileW(store.programFile().c_str(), GENERIC_READ, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(load(store), std::pair(Result::Unreadable, ColorValue{1}));
    EXPECT_EQ(store.save(withScheme(0x654321)), store.userFile());
    CloseHandle(held);
}

// Read-only means the file stays as it is: replacing it fails, and it is still read.
TEST_F(SettingsFilesTest, AReadOnlyFileIsReadButNeverReplaced)
{
    const std::string old = recordOf(distinctState(0));
    write("locked.cfg", old);
    ASSERT_TRUE(SetFileAttributesW((dir / "locked.cfg").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(writeFileAtomically(dir / "locked.cfg", "new"), WriteResult::Failed);
    EXPECT_EQ(SaveSettings(dir / "locked.cfg", distinctState(4)), WriteResult::Failed);
    AppState loaded = distinctState(1);
    EXPECT_TRUE(LoadSettings(dir / "locked.cfg", loaded));
    EXPECT_EQ(recordOf(loaded), old);
    EXPECT_NE(GetFileAttributesW((dir / "locked.cfg").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(names(), Names{"locked.cfg"});
    SetFileAttributesW((dir / "locked.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A device name stands for the device in every folder: nothing reads from it or saves to it.
// COM1 may be missing, which fails the save all the same. Nor is a drive that is not there a
// place to save.
TEST_F(SettingsFilesTest, DeviceNamesAndMissingDrivesAreNoPlaceForFiles)
{
    for (const auto& [device, alwaysThere] : {std::pair{"NUL", true}, {"COM1", false}}) {
        SCOPED_TRACE(device);
        expectUnreadable(dir / device);
        const WriteResult saved = SaveSettings(dir / device, AppState{});
        if (alwaysThere) {
            EXPECT_EQ(saved, WriteResult::NotARegularFile);
        } else {
            EXPECT_NE(saved, WriteResult::Written);
        }
    }
    EXPECT_EQ(names(), Names{});

    const SettingsStore nowhere("Q:\\Orvane", "Q:\\Users\\Orvane");
    EXPECT_FALSE(createFolders("Q:\\Users\\Orvane"));
    EXPECT_EQ(nowhere.save(withScheme(0x654321)), std::nullopt);
}

} // namespace
} // namespace orvane
