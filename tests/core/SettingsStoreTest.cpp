#include "core/SettingsStore.h"
#include "core/SettingsRecord.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane
{
namespace
{

namespace fs = std::filesystem;

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() /
                ("orvane-store-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(root_ / "program");
        // A regular file: nothing can be created below it, even by root.
        std::ofstream(root_ / "afile") << "not a folder";
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(root_, error);
    }

    static AppState stateWithScheme(ColorValue scheme)
    {
        AppState state;
        SetDefaults(state);
        state.SchemeColor = scheme;
        return state;
    }

    static ColorValue schemeIn(const fs::path& file)
    {
        AppState state;
        EXPECT_TRUE(LoadSettings(file, state));
        return state.SchemeColor;
    }

    fs::path root_;
};

TEST_F(SettingsStoreTest, LoadPrefersTheProgramFolder)
{
    fs::create_directories(root_ / "user");
    const SettingsStore store(root_ / "program", root_ / "user");
    EXPECT_EQ(store.programFile(), root_ / "program" / "myset.cfg");
    EXPECT_EQ(store.userFile(), root_ / "user" / "myset.cfg");
    ASSERT_TRUE(SaveSettings(store.userFile(), stateWithScheme(0x222222)));

    AppState state = stateWithScheme(1);
    EXPECT_EQ(store.load(state), SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(state.SchemeColor, 0x222222); // only the user folder has a file

    ASSERT_TRUE(SaveSettings(store.programFile(), stateWithScheme(0x111111)));
    state = stateWithScheme(1);
    EXPECT_EQ(store.load(state), SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(state.SchemeColor, 0x111111);
}

TEST_F(SettingsStoreTest, LoadWithoutAnyFileKeepsTheState)
{
    const SettingsStore store(root_ / "program", root_ / "user");
    AppState state = stateWithScheme(0x0A0B0C);
    EXPECT_EQ(store.load(state), SettingsStore::LoadResult::NoFile);
    EXPECT_EQ(state.SchemeColor, 0x0A0B0C);
    EXPECT_FALSE(fs::exists(store.programFile()));
    EXPECT_FALSE(fs::exists(root_ / "user"));
}

TEST_F(SettingsStoreTest, UnreadableProgramFileIsReported)
{
    fs::create_directory(root_ / "program" / "myset.cfg");
    const SettingsStore store(root_ / "program", root_ / "user");
    AppState state = stateWithScheme(0x0A0B0C);
    EXPECT_EQ(store.load(state), SettingsStore::LoadResult::Unreadable);
    EXPECT_EQ(state.SchemeColor, 0x0A0B0C);
}

TEST_F(SettingsStoreTest, SaveWritesBesideTheProgram)
{
    const SettingsStore store(root_ / "program", root_ / "user");
    const auto written = store.save(stateWithScheme(0x123456));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, store.programFile());
    EXPECT_EQ(schemeIn(store.programFile()), 0x123456);
    EXPECT_FALSE(fs::exists(root_ / "user"));
}

TEST_F(SettingsStoreTest, SaveFallsBackToANewUserFolder)
{
    const SettingsStore store(root_ / "afile" / "sub", root_ / "config" / "orvane");
    const auto written = store.save(stateWithScheme(0x654321));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, root_ / "config" / "orvane" / "myset.cfg");
    EXPECT_EQ(fs::file_size(*written), kRecordSize);
    EXPECT_EQ(schemeIn(*written), 0x654321);

    // The file written there is found again on the next start.
    AppState state = stateWithScheme(1);
    EXPECT_EQ(store.load(state), SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(state.SchemeColor, 0x654321);
}

TEST_F(SettingsStoreTest, SaveWithNowhereToWriteGivesNothing)
{
    const SettingsStore store(root_ / "afile" / "sub", root_ / "afile" / "config");
    EXPECT_FALSE(store.save(stateWithScheme(0x654321)).has_value());
    EXPECT_TRUE(fs::is_regular_file(root_ / "afile"));
}

} // namespace
} // namespace orvane
