// SPDX-License-Identifier: MIT
#include "SettingsFilesTest.h"

#include "core/AtomicFile.h"

#include <chrono>
#include <numeric>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Result = SettingsStore::LoadResult;

// Nothing is written where writing fails or the target is no regular file; every file there,
// even one named like a temporary, is left as it was.
TEST_F(SettingsFilesTest, AtomicWriteFailuresAndRefusalsTouchNoFile)
{
    write("plain", "keep"); // nothing can be created below a regular file, even by root
    fs::create_directory(dir / "folder");
    write(".orvane-abcdefghij.tmp", "someone's");
    write("data.cfg~", "someone's");
    // Whole seconds, which every file system keeps exactly.
    const fs::file_time_type longAgo = std::chrono::floor<std::chrono::seconds>(
        fs::file_time_type::clock::now() - std::chrono::hours(1));
    fs::last_write_time(dir / ".orvane-abcdefghij.tmp", longAgo);
    using enum WriteResult;
    const std::pair<fs::path, WriteResult> cases[] = {
        {dir / "plain" / "out", Failed},
        {dir / "missing" / "out", Failed},
        {fs::path(), Failed},
        {dir / "folder", NotARegularFile},
    };
    for (const auto& [path, result] : cases) {
        EXPECT_EQ(writeFileAtomically(path, "data"), result) << path;
        EXPECT_EQ(SaveSettings(path, AppState{}), result) << path;
    }
    EXPECT_EQ(read("plain"), "keep");
    EXPECT_EQ(read(".orvane-abcdefghij.tmp"), "someone's");
    EXPECT_EQ(fs::last_write_time(dir / ".orvane-abcdefghij.tmp"), longAgo);
    EXPECT_EQ(names(), (Names{".orvane-abcdefghij.tmp", "data.cfg~", "folder", "plain"}));
}

TEST_F(SettingsFilesTest, RecordDefaultsWriteTheKnownBytes)
{
    AppState state;
    SetDefaults(state);
    state.SchemeColor = 0xE72333; // red 51, green 35, blue 231
    // Web colours, favourites, tool window positions, open tool windows, scheme, tips at start.
    const unsigned char expected[] = {
        0x41, 0x32, 0xD1, 0x00, 0x7D, 0xBD, 0x21, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x87, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1A, 0x4D,
        0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0x64, 0x00,
        0x64, 0x00, 0x64, 0x00, 0xF4, 0x01, 0xF4, 0x01, 0x64, 0x00, 0x64, 0x00, 0xFF, 0xFF, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x33, 0x23, 0xE7, 0x00, 0xFF, 0xFF};
    ASSERT_EQ(SaveSettings(dir / "myset.cfg", state), WriteResult::Written);
    EXPECT_EQ(read("myset.cfg"), std::string(std::begin(expected), std::end(expected)));
}

// Saving over a longer file rewrites only the record and keeps the bytes after it.
TEST_F(SettingsFilesTest, RecordSaveAndLoadKeepEveryFieldBitForBit)
{
    std::string longer(120, '\0');
    std::iota(longer.begin(), longer.end(), '\xA0');
    write("long.vrx", longer);
    const AppState saved = distinctState(0);
    for (const std::string& tail : {""s, longer.substr(kRecordSize)}) {
        const fs::path path = dir / (tail.empty() ? "new.vrx" : "long.vrx");
        ASSERT_EQ(SaveSettings(path, saved), WriteResult::Written);
        EXPECT_EQ(read(path), recordOf(saved) + tail);

        AppState loaded = distinctState(3);
        loaded.UndoPos = 17; // not persistent, so loading leaves it
        ASSERT_TRUE(LoadSettings(path, loaded));
        EXPECT_EQ(recordOf(loaded), recordOf(saved));
        EXPECT_EQ(loaded.ToolVisible[3], 0x1234); // odd flag values are not normalised
        EXPECT_EQ(loaded.UndoPos, 17);
    }
}

// A field wholly or partly past the end of a short file keeps the value it had.
TEST_F(SettingsFilesTest, RecordShortFileLeavesTheMissingFieldsAlone)
{
    const std::string full = recordOf(distinctState(0)), previous = recordOf(distinctState(40));
    for (const std::size_t length : {0u, 1u, 38u, 40u, 57u, 73u, 82u, 85u}) {
        SCOPED_TRACE(length);
        write("cut.vrx", full.substr(0, length));
        AppState loaded = distinctState(40);
        ASSERT_TRUE(LoadSettings(dir / "cut.vrx", loaded));
        std::string expected;
        for (std::size_t start = 0, end = 0; start < kRecordSize; start = end) {
            end = start + (start < 56 || start == 80 ? 4 : 2); // colours are 4 bytes, the rest 2
            expected += (end <= length ? full : previous).substr(start, end - start);
        }
        EXPECT_EQ(recordOf(loaded), expected);
    }
}

// Saves go beside the program, else to a user folder created for them; loads prefer the
// program folder's file, unless that folder cannot be written, and pass over a folder in its
// place.
TEST_F(SettingsFilesTest, StorePrefersTheProgramFolderElseTheUserFolder)
{
    fs::create_directories(dir / "program");
    const SettingsStore store(dir / "program", dir / "user");
    EXPECT_EQ(load(store), std::pair(Result::NoFile, ColorValue{1}));
    EXPECT_EQ(store.save(withScheme(0x111111)), store.programFile());
    EXPECT_FALSE(fs::exists(dir / "user"));
    // An installed copy reads the program folder's file only while the user has none of its own.
    const SettingsStore installed(dir / "program", dir / "user",
                                  SettingsStore::ProgramFolder::ReadOnly);
    EXPECT_EQ(load(installed), std::pair(Result::Loaded, ColorValue{0x111111}));
    EXPECT_EQ(installed.save(withScheme(0x222222)), store.userFile());
    EXPECT_EQ(load(installed), std::pair(Result::Loaded, ColorValue{0x222222}));
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x111111}));
    fs::remove(store.programFile());
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x222222}));
    fs::create_directory(store.programFile());
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x222222}));
    fs::remove(store.userFile());
    fs::create_directory(store.userFile());
    EXPECT_EQ(load(store), std::pair(Result::NoFile, ColorValue{1}));

    write("afile", "nothing can be created below a file, even by root");
    const SettingsStore fallback(dir / "afile" / "sub", dir / "config" / "orvane");
    EXPECT_EQ(fallback.save(withScheme(0x654321)), dir / "config" / "orvane" / "myset.cfg");
    EXPECT_EQ(load(fallback), std::pair(Result::Loaded, ColorValue{0x654321}));
    const SettingsStore nowhere(dir / "afile" / "sub", dir / "afile" / "config");
    EXPECT_EQ(nowhere.save(withScheme(0x654321)), std::nullopt);
}

} // namespace
} // namespace orvane
