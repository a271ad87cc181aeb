#include "core/SettingsRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SettingsRecordTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir =
        fs::temp_directory_path() / ("orvane-record-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};

Bytes readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
}

Bytes recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return Bytes(record.begin(), record.end());
}

// Every persistent field distinct, with negative positions and flag values neither -1 nor 0.
AppState distinctState(int seed)
{
    AppState s;
    SetDefaults(s);
    for (int i = 0; i < 9; ++i)
        s.WebColors[i] = 0x010203 * (i + 1) + seed;
    for (int i = 0; i < 5; ++i)
        s.FavColors[i] = i == 2 ? kNoColor : 0x100000 + 0x1111 * i + seed;
    const auto i16 = [seed](int v) { return static_cast<std::int16_t>(v + seed); };
    s.WebLeft = i16(-1500), s.WebTop = i16(32767 - 2 * seed), s.HarmoniesLeft = i16(-32768);
    s.HarmoniesTop = i16(300), s.FavoritesLeft = i16(0x0102), s.FavoritesTop = i16(7);
    s.HistoryLeft = i16(-1 - 2 * seed), s.HistoryTop = i16(4500);
    s.ToolVisible = {i16(1), kFlagTrue, kFlagFalse, i16(0x1234)};
    s.SchemeColor = 0xE72333 + seed;
    s.ShowTipsAtStart = i16(1);
    return s;
}

TEST_F(SettingsRecordTest, DefaultsWriteTheKnownBytes)
{
    AppState state;
    SetDefaults(state);
    state.SchemeColor = 0xE72333; // red 51, green 35, blue 231
    // Web colours, favourites, the four tool window positions, open tool windows, first
    // scheme swatch, tips at start.
    const Bytes expected = {
        0x41, 0x32, 0xD1, 0x00, 0x7D, 0xBD, 0x21, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x87, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1A, 0x4D,
        0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0x64, 0x00,
        0x64, 0x00, 0x64, 0x00, 0xF4, 0x01, 0xF4, 0x01, 0x64, 0x00, 0x64, 0x00, 0xFF, 0xFF, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x33, 0x23, 0xE7, 0x00, 0xFF, 0xFF};
    ASSERT_TRUE(SaveSettings(dir / "myset.cfg", state));
    EXPECT_EQ(readFile(dir / "myset.cfg"), expected);

    state.ToolVisible = {kFlagFalse, kFlagFalse, kFlagTrue, kFlagFalse}; // History only
    const SettingsRecord flags = encodeRecord(state);
    EXPECT_EQ(flags[74] | flags[75], 0x00); // Harmonies closed
    EXPECT_EQ(flags[76] & flags[77], 0xFF); // History open
}

// Saving over a longer file rewrites only the record and keeps the bytes after it.
TEST_F(SettingsRecordTest, SaveAndLoadKeepEveryFieldBitForBit)
{
    Bytes longer(120);
    std::iota(longer.begin(), longer.end(), std::uint8_t{0xA0});
    writeFile(dir / "long.vrx", longer);
    const AppState saved = distinctState(0);
    for (const Bytes& tail : {Bytes{}, Bytes(longer.begin() + kRecordSize, longer.end())}) {
        const fs::path path = dir / (tail.empty() ? "new.vrx" : "long.vrx");
        ASSERT_TRUE(SaveSettings(path, saved));
        Bytes expected = recordOf(saved);
        expected.insert(expected.end(), tail.begin(), tail.end());
        EXPECT_EQ(readFile(path), expected);

        AppState loaded = distinctState(3);
        loaded.UndoPos = 17; // not persistent, so loading leaves it
        ASSERT_TRUE(LoadSettings(path, loaded));
        EXPECT_EQ(recordOf(loaded), recordOf(saved));
        EXPECT_EQ(loaded.ToolVisible[3], 0x1234); // odd flag values are not normalised
        EXPECT_EQ(loaded.UndoPos, 17);
    }
}

// A field wholly or partly past the end of a short file keeps the value it had.
TEST_F(SettingsRecordTest, ShortFileLeavesTheMissingFieldsAlone)
{
    const Bytes full = recordOf(distinctState(0));
    const Bytes previous = recordOf(distinctState(40));
    for (const std::size_t length : {0u, 1u, 38u, 40u, 57u, 73u, 82u, 85u}) {
        SCOPED_TRACE(length);
        writeFile(dir / "cut.vrx", Bytes(full.begin(), full.begin() + length));
        AppState loaded = distinctState(40);
        ASSERT_TRUE(LoadSettings(dir / "cut.vrx", loaded));
        Bytes expected;
        for (std::size_t start = 0, end = 0; start < kRecordSize; start = end) {
            end = start + (start < 56 || start == 80 ? 4 : 2); // colours are 4 bytes, the rest 2
            const Bytes& from = end <= length ? full : previous;
            expected.insert(expected.end(), from.begin() + start, from.begin() + end);
        }
        EXPECT_EQ(recordOf(loaded), expected);
    }
}

// Failed loads leave the state alone. A save needs the old file to keep what lies past the record.
TEST_F(SettingsRecordTest, UnreadableFilesFailCleanly)
{
    fs::create_directory(dir / "taken.cfg");
    for (const fs::path& path : {dir / "missing.cfg", dir / "taken.cfg"}) {
        AppState loaded = distinctState(1);
        EXPECT_FALSE(LoadSettings(path, loaded));
        EXPECT_EQ(recordOf(loaded), recordOf(distinctState(1)));
    }
    EXPECT_FALSE(SaveSettings(dir / "taken.cfg", distinctState(0)));
    EXPECT_TRUE(fs::is_empty(dir / "taken.cfg"));
}

} // namespace
} // namespace orvane
