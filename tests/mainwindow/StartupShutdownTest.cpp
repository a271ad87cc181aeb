#include "MainWindowFixture.h"

#include "core/SettingsRecord.h"

#include <QAction>
#include <fstream>
#include <iterator>
#include <vector>

namespace orvane::test {

namespace {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The record a first run writes when it is left at once.
const std::vector<std::uint8_t> kFirstRunRecord = {
    0x41, 0x32, 0xD1, 0x00, 0x7D, 0xBD, 0x21, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x87, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1A, 0x4D,
    0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0x64, 0x00,
    0x64, 0x00, 0x64, 0x00, 0xF4, 0x01, 0xF4, 0x01, 0x64, 0x00, 0x64, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x33, 0x23, 0xE7, 0x00, 0xFF, 0xFF,
};

} // namespace

TEST_F(MainWindowTest, FirstRunWritesTheSettingsOnlyAtExit)
{
    const auto file = programDir() / "myset.cfg";
    EXPECT_FALSE(std::filesystem::exists(file));

    action("Exit")->trigger();
    EXPECT_EQ(readBytes(file), kFirstRunRecord);
    EXPECT_FALSE(std::filesystem::exists(userConfigDir() / "myset.cfg"));
}

TEST_F(MainWindowTest, ExitStoresTheFirstSwatchAndKeepsAnythingAfterTheRecord)
{
    const auto file = programDir() / "myset.cfg";
    std::vector<std::uint8_t> longer(100, 0x5A);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(longer.data()),
               static_cast<std::streamsize>(longer.size()));

    window_->SetAll(255, 0, 0, false);
    window_->close();
    const std::vector<std::uint8_t> bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 100u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 80, bytes.begin() + 84),
              (std::vector<std::uint8_t>{0xFF, 0x00, 0x00, 0x00}));
    EXPECT_EQ(bytes[86], 0x5A);
    EXPECT_EQ(bytes[99], 0x5A);
}

TEST_F(MainWindowTest, AnUnwritableProgramFolderSendsTheSettingsToTheUserFolder)
{
    // A folder that cannot hold files even for root: its path runs through a regular file.
    const auto blocker = programDir() / "blocker";
    std::ofstream(blocker) << "x";
    window_.reset();
    window_ = std::make_unique<MainWindow>(state_, environment(blocker / "sub", userConfigDir()));
    window_->startUp();
    state_.FavColors[3] = 0x123456;
    window_->close();
    EXPECT_TRUE(messages_.shown.empty());

    AppState reread;
    SetDefaults(reread);
    ASSERT_EQ(SettingsStore(blocker / "sub", userConfigDir()).load(reread),
              SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(reread.FavColors[3], 0x123456);
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAnywhereAreReported)
{
    const auto blocker = programDir() / "blocker";
    std::ofstream(blocker) << "x";
    window_.reset();
    window_ = std::make_unique<MainWindow>(state_, environment(blocker / "a", blocker / "b"));
    window_->startUp();
    window_->close();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("could not save its settings"));
}

} // namespace orvane::test
