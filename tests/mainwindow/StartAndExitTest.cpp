// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

namespace orvane::test {

// What a first run shows, and where the windows stand after a restart, the end-to-end tests see.

// SetAll leaves the colour texts of the status bar alone and gives the contrast of the new colour.
TEST_F(MainWindowTest, SetAllTakesHexadecimalTextsAndLeavesTheStatusBarColourAlone)
{
    EXPECT_EQ(window_->statusText(3), "Contrast: 8.28:1 on white, 2.53:1 on black");
    window_->SetAll("&HFF", "&H80", "007", true);
    EXPECT_EQ(channels(), "255 128 7");
    EXPECT_EQ(window_->statusText(1), "RGB: 51.35.231");
    EXPECT_EQ(window_->statusText(3), "Contrast: 2.51:1 on white, 8.34:1 on black");
    EXPECT_EQ(state_.UndoPos, 1) << "skipping undo";
}

TEST_F(MainWindowTest, BadSettingsFilesAtStartLeaveTheDefaultsAndTheProgramStarts)
{
    // An empty file, five bytes (the first web colour only), a folder (passed over), a file
    // whose reads fail (this process's memory file, whose start lies where nothing is mapped).
    using Result = SettingsStore::LoadResult;
    const auto file = programDir_ / "myset.cfg";
    const Result outcome[] = {Result::Loaded, Result::Loaded, Result::NoFile, Result::Unreadable};
    for (int kind = 0; kind < 4; ++kind) {
        std::filesystem::remove_all(file);
        if (kind < 2)
            std::ofstream(file, std::ios::binary) << (kind == 0 ? "" : "\x11\x22\x33\x44\x55");
        else if (kind == 2)
            std::filesystem::create_directory(file);
        else
            std::filesystem::create_symlink("/proc/self/mem", file);
        restart();
        EXPECT_EQ(loaded_, outcome[kind]) << kind;
        EXPECT_EQ(state_.WebColors[0], kind == 1 ? 0x44332211 : 0xD13241) << kind;
        EXPECT_TRUE(messages_.shown.empty());
        expectResponsive();
    }
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAnywhereAreReportedAtEveryExit)
{
    // Folders that cannot hold files even for root: their paths run through a regular file.
    const auto blocker = programDir_ / "blocker";
    std::ofstream(blocker) << "x";
    programDir_ = blocker / "program";
    configDir_ = blocker / "config";
    restart();
    state_.FavColors[1] = 0x123456;
    window_->close();
    ASSERT_EQ(messages_.shown.size(), 1u);
    for (const char* folder : {"program", "config"})
        EXPECT_TRUE(messages_.shown[0].text.contains(
            QString::fromStdString((blocker / folder / "myset.cfg").string())));
    EXPECT_EQ(state_.FavColors[1], 0x123456) << "a failed write loses nothing in memory";
    window_->show();
    window_->close();
    EXPECT_EQ(messages_.shown.size(), 2u) << "the next exit tries and reports again";
}

} // namespace orvane::test
