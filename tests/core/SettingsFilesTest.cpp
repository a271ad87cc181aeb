// SPDX-License-Identifier: MIT
#include "core/AtomicFile.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Names = std::set<std::string>;
using Result = SettingsStore::LoadResult;

// Caps how large this process may make a file, so that a write fails part-way through even for
// root, until the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit lowered{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int);
};

// A fresh folder per test, with byte-exact reading and writing of the files in it.
class SettingsFilesTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string read(const fs::path& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write(const fs::path& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    Names names() const
    {
        Names found;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            found.insert(entry.path().filename().string());
        return found;
    }
    fs::path dir =
        fs::temp_directory_path() / ("orvane-core-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(SettingsFilesTest, AtomicWriteReplacesTheWholeContentKeepingPermissionsAndLinks)
{
    write("old.txt", std::string(500, 'x'));
    // No file is ever created without its owner's write bit, so 0440 cannot come by chance.
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(dir / "old.txt", readOnly, fs::perm_options::replace);
    ASSERT_EQ(writeFileAtomically(dir / "old.txt", "a\0b\r\n\xFF"s), WriteResult::Written);
    EXPECT_EQ(read("old.txt"), "a\0b\r\n\xFF"s);
    EXPECT_EQ(fs::status(dir / "old.txt").permissions(), readOnly);
    // A new file gets what the umask leaves of read and write for all.
    const mode_t umask = ::umask(027);
    ASSERT_EQ(writeFileAtomically(dir / "new.txt", ""), WriteResult::Written);
    ::umask(umask);
    EXPECT_EQ(fs::status(dir / "new.txt").permissions(), fs::perms(0640));
    fs::remove(dir / "new.txt");

    // Writing through a link changes the file it names and keeps the link.
    fs::create_symlink("old.txt", dir / "link.cfg");
    ASSERT_EQ(writeFileAtomically(dir / "link.cfg", ""), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    EXPECT_EQ(fs::file_size(dir / "old.txt"), 0u);
    EXPECT_EQ(names(), (Names{"link.cfg", "old.txt"}));
}

// Nothing is written where writing fails or the target is no regular file, nor through a link
// to one; every file there, even one named like a temporary, is left as it was.
TEST_F(SettingsFilesTest, AtomicWriteFailuresAndRefusalsTouchNoFile)
{
    write("plain", "keep"); // nothing can be created below a regular file, even by root
    fs::create_directory(dir / "folder");
    ::mkfifo((dir / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", dir / "link");
    const Names expected = {
        ".orvane-abcdefghij.tmp", "data.cfg~", "fifo", "folder", "link", "plain"};
    write(".orvane-abcdefghij.tmp", "someone's");
    write("data.cfg~", "someone's");
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(dir / ".orvane-abcdefghij.tmp", longAgo);
    using enum WriteResult;
    const std::pair<fs::path, WriteResult> cases[] = {
        {dir / "plain" / "out", Failed},
        {dir / "missing" / "out", Failed},
        {fs::path(), Failed},
        {dir / "folder", NotARegularFile},
        {dir / "fifo", NotARegularFile},
        {dir / "link", NotARegularFile},
    };
    for (const auto& [path, result] : cases) {
        EXPECT_EQ(writeFileAtomically(path, "data"), result) << path;
        EXPECT_EQ(SaveSettings(path, AppState{}), result) << path;
    }
    {
        const FileSizeLimit limit(64);
        EXPECT_EQ(writeFileAtomically(dir / "plain", std::string(1000, 'n')), Failed);
        EXPECT_EQ(writeFileAtomically(dir / "small", std::string(64, 's')), Written);
    }
    EXPECT_EQ(read("plain"), "keep");
    EXPECT_TRUE(fs::is_fifo(dir / "fifo") && fs::is_symlink(dir / "link"));
    EXPECT_EQ(read(".orvane-abcdefghij.tmp"), "someone's");
    EXPECT_EQ(fs::last_write_time(dir / ".orvane-abcdefghij.tmp"), longAgo);
    fs::remove(dir / "small");
    EXPECT_EQ(names(), expected);
}

std::string recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return {record.begin(), record.end()};
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

// Failed loads leave the state alone, and nothing but a regular file is read: not a FIFO, even
// one holding a whole record, nor a device.
TEST_F(SettingsFilesTest, RecordUnreadableFilesFailCleanly)
{
    fs::create_directory(dir / "taken.cfg");
    ::mkfifo((dir / "fifo.cfg").c_str(), 0600);
    const int writer = ::open((dir / "fifo.cfg").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_EQ(::write(writer, recordOf(distinctState(0)).data(), kRecordSize),
              ssize_t{kRecordSize});
    fs::create_symlink("/dev/zero", dir / "zero.cfg");
    for (const char* name : {"missing.cfg", "taken.cfg", "fifo.cfg", "zero.cfg"}) {
        AppState loaded = distinctState(1);
        EXPECT_FALSE(LoadSettings(dir / name, loaded)) << name;
        EXPECT_EQ(recordOf(loaded), recordOf(distinctState(1)));
    }
    ::close(writer);
}

AppState withScheme(ColorValue colour)
{
    AppState state;
    SetDefaults(state);
    state.SchemeColor = colour;
    return state;
}

// Loads into a state holding 1 and gives the result and the scheme colour it then holds.
std::pair<Result, ColorValue> load(const SettingsStore& store)
{
    AppState state = withScheme(1);
    return {store.load(state), state.SchemeColor};
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
    fs::remove(store.programFile());
    ::mkfifo(store.programFile().c_str(), 0600);
    EXPECT_EQ(load(store), std::pair(Result::Unreadable, ColorValue{1}));
    fs::remove(store.userFile()); // the FIFO is refused, so the settings go to the user folder
    EXPECT_EQ(store.save(withScheme(0x444444)), store.userFile());
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x444444}));

    write("afile", "nothing can be created below a file, even by root");
    const SettingsStore fallback(dir / "afile" / "sub", dir / "config" / "orvane");
    EXPECT_EQ(fallback.save(withScheme(0x654321)), dir / "config" / "orvane" / "myset.cfg");
    EXPECT_EQ(load(fallback), std::pair(Result::Loaded, ColorValue{0x654321}));
    const SettingsStore nowhere(dir / "afile" / "sub", dir / "afile" / "config");
    EXPECT_EQ(nowhere.save(withScheme(0x654321)), std::nullopt);
}

} // namespace
} // namespace orvane
