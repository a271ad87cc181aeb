#include "core/SettingsRecord.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvane
{
namespace
{

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class TempDir
{
public:
    TempDir()
    {
        static std::atomic<int> counter{0};
        path_ = fs::temp_directory_path() /
                ("orvane-record-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(path_, error);
    }
    const fs::path& path() const { return path_; }
    fs::path operator/(const char* name) const { return path_ / name; }

private:
    fs::path path_;
};

Bytes readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The record's layout, field by field: offset, size and how to read the field from a state.
struct Field {
    const char* name;
    std::size_t offset;
    std::size_t size;
    std::function<std::int64_t(const AppState&)> get;
};

std::vector<Field> recordLayout()
{
    std::vector<Field> fields;
    for (int i = 0; i < 9; ++i)
        fields.push_back(
            {"WebColors", 4u * i, 4, [i](const AppState& s) { return s.WebColors[i]; }});
    for (int i = 0; i < 5; ++i)
        fields.push_back(
            {"FavColors", 36 + 4u * i, 4, [i](const AppState& s) { return s.FavColors[i]; }});
    fields.push_back({"WebLeft", 56, 2, [](const AppState& s) { return s.WebLeft; }});
    fields.push_back({"WebTop", 58, 2, [](const AppState& s) { return s.WebTop; }});
    fields.push_back({"HarmoniesLeft", 60, 2, [](const AppState& s) { return s.HarmoniesLeft; }});
    fields.push_back({"HarmoniesTop", 62, 2, [](const AppState& s) { return s.HarmoniesTop; }});
    fields.push_back({"FavoritesLeft", 64, 2, [](const AppState& s) { return s.FavoritesLeft; }});
    fields.push_back({"FavoritesTop", 66, 2, [](const AppState& s) { return s.FavoritesTop; }});
    fields.push_back({"HistoryLeft", 68, 2, [](const AppState& s) { return s.HistoryLeft; }});
    fields.push_back({"HistoryTop", 70, 2, [](const AppState& s) { return s.HistoryTop; }});
    for (int i = 0; i < 4; ++i)
        fields.push_back(
            {"ToolVisible", 72 + 2u * i, 2, [i](const AppState& s) { return s.ToolVisible[i]; }});
    fields.push_back({"SchemeColor", 80, 4, [](const AppState& s) { return s.SchemeColor; }});
    fields.push_back(
        {"ShowTipsAtStart", 84, 2, [](const AppState& s) { return s.ShowTipsAtStart; }});
    return fields;
}

// Every persistent field distinct, with negative positions and odd flag values that are
// neither -1 nor 0.
AppState distinctState(int seed)
{
    AppState s;
    SetDefaults(s);
    for (int i = 0; i < 9; ++i)
        s.WebColors[i] = 0x010203 * (i + 1) + seed;
    for (int i = 0; i < 5; ++i)
        s.FavColors[i] = 0x100000 + 0x1111 * i + seed;
    s.FavColors[2] = kNoColor;
    s.WebLeft = static_cast<std::int16_t>(-1500 + seed);
    s.WebTop = static_cast<std::int16_t>(32767 - seed);
    s.HarmoniesLeft = static_cast<std::int16_t>(-32768 + seed);
    s.HarmoniesTop = static_cast<std::int16_t>(300 + seed);
    s.FavoritesLeft = static_cast<std::int16_t>(0x0102 + seed);
    s.FavoritesTop = static_cast<std::int16_t>(7 + seed);
    s.HistoryLeft = static_cast<std::int16_t>(-1 - seed);
    s.HistoryTop = static_cast<std::int16_t>(4500 + seed);
    s.ToolVisible = {static_cast<Flag16>(0x0001 + seed), kFlagTrue, kFlagFalse,
                     static_cast<Flag16>(0x1234 + seed)};
    s.SchemeColor = 0xE72333 + seed;
    s.ShowTipsAtStart = static_cast<Flag16>(0x0001 + seed);
    return s;
}

void expectFieldsEqual(const AppState& actual, const AppState& expected)
{
    for (const Field& field : recordLayout())
        EXPECT_EQ(field.get(actual), field.get(expected)) << field.name << " at " << field.offset;
}

TEST(SettingsRecordTest, DefaultsWriteTheKnownBytes)
{
    AppState state;
    SetDefaults(state);
    state.SchemeColor = 0xE72333; // red 51, green 35, blue 231
    const Bytes expected = {
        0x41, 0x32, 0xD1, 0x00, 0x7D, 0xBD, 0x21, 0x00, 0xFF, 0xFF, 0xFF, 0x00, // web colours
        0xFF, 0x87, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x1A, 0x4D, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, // favourites
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0x64, 0x00,
        0x64, 0x00, 0x64, 0x00,                         // web preview, harmonies
        0xF4, 0x01, 0xF4, 0x01, 0x64, 0x00, 0x64, 0x00, // favourites, history
        0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // open tool windows
        0x33, 0x23, 0xE7, 0x00,                         // first scheme swatch
        0xFF, 0xFF,                                     // tips at start
    };
    ASSERT_EQ(expected.size(), kRecordSize);

    const SettingsRecord record = encodeRecord(state);
    EXPECT_EQ(Bytes(record.begin(), record.end()), expected);

    TempDir dir;
    ASSERT_TRUE(SaveSettings(dir / "myset.cfg", state));
    EXPECT_EQ(readFile(dir / "myset.cfg"), expected);
}

TEST(SettingsRecordTest, ToolVisibilityFlagsLandAtTheirOffsets)
{
    AppState state;
    SetDefaults(state);
    state.ToolVisible = {kFlagFalse, kFlagFalse, kFlagTrue, kFlagFalse}; // History only
    const SettingsRecord record = encodeRecord(state);
    EXPECT_EQ(record[74], 0x00);
    EXPECT_EQ(record[75], 0x00);
    EXPECT_EQ(record[76], 0xFF);
    EXPECT_EQ(record[77], 0xFF);
}

TEST(SettingsRecordTest, SaveAndLoadKeepEveryFieldBitForBit)
{
    const AppState saved = distinctState(0);
    TempDir dir;
    ASSERT_TRUE(SaveSettings(dir / "scheme.vrx", saved));
    EXPECT_EQ(fs::file_size(dir / "scheme.vrx"), kRecordSize);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    // Each field sits little-endian at its own offset.
    const Bytes bytes = readFile(dir / "scheme.vrx");
    ASSERT_EQ(bytes.size(), kRecordSize);
    for (const Field& field : recordLayout()) {
        std::uint64_t bits = 0;
        for (std::size_t i = field.size; i-- > 0;)
            bits = bits << 8 | bytes[field.offset + i];
        const std::uint64_t mask = (std::uint64_t{1} << (8 * field.size)) - 1;
        EXPECT_EQ(bits, static_cast<std::uint64_t>(field.get(saved)) & mask)
            << field.name << " at " << field.offset;
    }

    AppState loaded = distinctState(3);
    loaded.UndoPos = 17;
    loaded.UndoColors[17] = 0x123456;
    loaded.AdjustStep = 12;
    loaded.PopupColor = 99;
    ASSERT_TRUE(LoadSettings(dir / "scheme.vrx", loaded));
    expectFieldsEqual(loaded, saved);
    EXPECT_EQ(loaded.FavColors[2], kNoColor);
    // Only the persistent fields come from the file.
    EXPECT_EQ(loaded.UndoPos, 17);
    EXPECT_EQ(loaded.UndoColors[17], 0x123456);
    EXPECT_EQ(loaded.AdjustStep, 12);
    EXPECT_EQ(loaded.PopupColor, 99);
}

TEST(SettingsRecordTest, SavingOverALongerFileKeepsItsTail)
{
    TempDir dir;
    Bytes longer(120);
    for (std::size_t i = 0; i < longer.size(); ++i)
        longer[i] = static_cast<std::uint8_t>(0xA0 + i);
    writeFile(dir / "long.vrx", longer);

    const AppState state = distinctState(0);
    ASSERT_TRUE(SaveSettings(dir / "long.vrx", state));
    ASSERT_TRUE(SaveSettings(dir / "short.vrx", state));

    const Bytes written = readFile(dir / "long.vrx");
    const Bytes plain = readFile(dir / "short.vrx");
    ASSERT_EQ(written.size(), longer.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), written.begin()));
    EXPECT_TRUE(
        std::equal(longer.begin() + kRecordSize, longer.end(), written.begin() + kRecordSize));

    AppState fromLong = distinctState(5);
    AppState fromShort = distinctState(9);
    ASSERT_TRUE(LoadSettings(dir / "long.vrx", fromLong));
    ASSERT_TRUE(LoadSettings(dir / "short.vrx", fromShort));
    expectFieldsEqual(fromLong, fromShort);
    expectFieldsEqual(fromLong, state);
}

// A field wholly or partly past the end of a short file keeps the value it had.
TEST(SettingsRecordTest, ShortFileLeavesTheMissingFieldsAlone)
{
    const AppState source = distinctState(0);
    const AppState previous = distinctState(40);
    TempDir dir;
    ASSERT_TRUE(SaveSettings(dir / "full.vrx", source));
    const Bytes full = readFile(dir / "full.vrx");

    for (const std::size_t length : {0u, 1u, 38u, 40u, 57u, 73u, 82u, 85u}) {
        SCOPED_TRACE(testing::Message() << "length " << length);
        writeFile(dir / "cut.vrx", Bytes(full.begin(), full.begin() + length));
        AppState loaded = previous;
        ASSERT_TRUE(LoadSettings(dir / "cut.vrx", loaded));
        for (const Field& field : recordLayout()) {
            const bool inFile = field.offset + field.size <= length;
            EXPECT_EQ(field.get(loaded), field.get(inFile ? source : previous))
                << field.name << " at " << field.offset;
        }
    }
}

TEST(SettingsRecordTest, UnreadableFilesFailAndLeaveTheStateAlone)
{
    TempDir dir;
    fs::create_directory(dir / "folder.vrx");
    const AppState before = distinctState(1);

    for (const fs::path& path : {dir / "missing.vrx", dir / "folder.vrx"}) {
        SCOPED_TRACE(path.string());
        AppState state = before;
        EXPECT_FALSE(LoadSettings(path, state));
        expectFieldsEqual(state, before);
    }
}

TEST(SettingsRecordTest, FileWithoutReadPermissionFailsToLoad)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root from reading";
    TempDir dir;
    ASSERT_TRUE(SaveSettings(dir / "locked.vrx", distinctState(0)));
    fs::permissions(dir / "locked.vrx", fs::perms::none);
    const AppState before = distinctState(1);
    AppState state = before;
    EXPECT_FALSE(LoadSettings(dir / "locked.vrx", state));
    expectFieldsEqual(state, before);
}

TEST(SettingsRecordTest, FailedSaveLeavesNoTornOrStrayFile)
{
    TempDir dir;
    const AppState state = distinctState(0);

    // Into a folder that does not exist.
    EXPECT_FALSE(SaveSettings(dir / "nowhere" / "myset.cfg", state));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));

    // Onto a directory.
    fs::create_directory(dir / "taken.cfg");
    EXPECT_FALSE(SaveSettings(dir / "taken.cfg", state));
    EXPECT_TRUE(fs::is_directory(dir / "taken.cfg"));
    EXPECT_FALSE(fs::exists(dir / "taken.cfg.new"));

    // Over an existing file whose replacement cannot be written in full: the old bytes stay whole.
    const Bytes old(100, 0x5A);
    writeFile(dir / "old.cfg", old);
    {
        const FileSizeLimit limit(40);
        EXPECT_FALSE(SaveSettings(dir / "old.cfg", state));
    }
    EXPECT_EQ(readFile(dir / "old.cfg"), old);

    // Nothing else appeared beside them.
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        const fs::path name = entry.path().filename();
        EXPECT_TRUE(name == "old.cfg" || name == "taken.cfg") << name;
    }
}

} // namespace
} // namespace orvane
