// SPDX-License-Identifier: MIT
#pragma once

#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/Utf8Path.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <utility>

// What the settings file tests share, those of every system and those of one.
namespace orvane {

// A fresh folder per test, with byte-exact reading and writing of the files in it.
class SettingsFilesTest : public testing::Test {
protected:
    using Names = std::set<std::string>;

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string read(const std::filesystem::path& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write(const std::filesystem::path& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    Names names() const
    {
        Names found;
        for (const std::filesystem::directory_entry& entry :
             std::filesystem::directory_iterator(dir))
            found.insert(utf8Of(entry.path().filename()));
        return found;
    }
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("orvane-core-" + std::to_string(::getpid()) +
                                 testing::UnitTest::GetInstance()->current_test_info()->name());
};

inline std::string recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return {record.begin(), record.end()};
}

// Every persistent field distinct, with negative positions and flag values neither -1 nor 0.
inline AppState distinctState(int seed)
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

inline AppState withScheme(ColorValue colour)
{
    AppState state;
    SetDefaults(state);
    state.SchemeColor = colour;
    return state;
}

// Loads into a state holding 1 and gives the result and the scheme colour it then holds.
inline std::pair<SettingsStore::LoadResult, ColorValue> load(const SettingsStore& store)
{
    AppState state = withScheme(1);
    return {store.load(state), state.SchemeColor};
}

} // namespace orvane
