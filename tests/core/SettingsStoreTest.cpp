#include "core/SettingsStore.h"
#include "core/SettingsRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Result = SettingsStore::LoadResult;

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(root / "program"); }
    void TearDown() override { fs::remove_all(root); }

    static AppState scheme(ColorValue colour)
    {
        AppState state;
        SetDefaults(state);
        state.SchemeColor = colour;
        return state;
    }
    // Loads into a state holding 1 and gives the result and the scheme colour it then holds.
    static std::pair<Result, ColorValue> load(const SettingsStore& store)
    {
        AppState state = scheme(1);
        return {store.load(state), state.SchemeColor};
    }

    fs::path root =
        fs::temp_directory_path() / ("orvane-store-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(SettingsStoreTest, LoadPrefersTheProgramFolderAndReportsWhatItFound)
{
    const SettingsStore store(root / "program", root / "user");
    EXPECT_EQ(load(store), std::pair(Result::NoFile, ColorValue{1}));
    EXPECT_FALSE(fs::exists(root / "user"));
    fs::create_directories(root / "user");
    ASSERT_TRUE(SaveSettings(store.userFile(), scheme(0x222222)));
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x222222}));
    ASSERT_TRUE(SaveSettings(store.programFile(), scheme(0x111111)));
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x111111}));
    fs::remove(store.programFile());
    fs::create_directory(store.programFile());
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x222222}))
        << "a folder in the file's place is passed over for the user folder's file";
    fs::remove(store.userFile());
    fs::create_directory(store.userFile());
    EXPECT_EQ(load(store), std::pair(Result::NoFile, ColorValue{1}));
}

TEST_F(SettingsStoreTest, SaveWritesBesideTheProgramElseInANewUserFolder)
{
    const SettingsStore beside(root / "program", root / "user");
    EXPECT_EQ(beside.save(scheme(0x123456)), root / "program" / "myset.cfg");
    EXPECT_FALSE(fs::exists(root / "user"));

    std::ofstream(root / "afile") << "nothing can be created below a file, even by root";
    const SettingsStore fallback(root / "afile" / "sub", root / "config" / "orvane");
    EXPECT_EQ(fallback.save(scheme(0x654321)), root / "config" / "orvane" / "myset.cfg");
    EXPECT_EQ(load(fallback), std::pair(Result::Loaded, ColorValue{0x654321})); // found next start

    const SettingsStore nowhere(root / "afile" / "sub", root / "afile" / "config");
    EXPECT_EQ(nowhere.save(scheme(0x654321)), std::nullopt);
}

} // namespace
} // namespace orvane
