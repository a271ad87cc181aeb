// SPDX-License-Identifier: MIT
// What only POSIX systems have in a file's place: FIFOs, devices under /dev, symbolic links,
// permission bits and the umask, and a limit to the size of the files a process writes.
#include "SettingsFilesTest.h"

#include "core/AtomicFile.h"
#include "core/PaletteFiles.h"
#include "core/TipsFile.h"

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
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

// Nothing is written to a FIFO, nor through a link to one, nor past the file size limit.
TEST_F(SettingsFilesTest, AtomicWriteRefusesFifosAndStopsAtTheSizeLimit)
{
    write("plain", "keep");
    ::mkfifo((dir / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", dir / "link");
    for (const char* name : {"fifo", "link"}) {
        EXPECT_EQ(writeFileAtomically(dir / name, "data"), WriteResult::NotARegularFile) << name;
        EXPECT_EQ(SaveSettings(dir / name, AppState{}), WriteResult::NotARegularFile) << name;
    }
    {
        const FileSizeLimit limit(64);
        EXPECT_EQ(writeFileAtomically(dir / "plain", std::string(1000, 'n')), WriteResult::Failed);
        EXPECT_EQ(writeFileAtomically(dir / "small", std::string(64, 's')), WriteResult::Written);
    }
    EXPECT_EQ(read("plain"), "keep");
    EXPECT_TRUE(fs::is_fifo(dir / "fifo") && fs::is_symlink(dir / "link"));
    EXPECT_EQ(names(), (Names{"fifo", "link", "plain", "small"}));
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

// The palette and tips readers turn a FIFO or a device down as well, without waiting.
TEST_F(SettingsFilesTest, PalettesAndTipsTurnDownFifosAndDevices)
{
    ::mkfifo((dir / "fifo.gpl").c_str(), 0600);
    EXPECT_EQ(readPaletteFile(dir / "fifo.gpl").problem, PaletteProblem::Unreadable);
    for (const fs::path& path : {dir / "fifo.gpl", fs::path("/dev/zero")})
        EXPECT_TRUE(readTipsFile(path).empty()) << path;
}

// A FIFO in the program file's place is reported unreadable, and the settings go to the user
// folder.
TEST_F(SettingsFilesTest, StoreTurnsDownAFifoInThePlaceOfTheProgramFile)
{
    fs::create_directories(dir / "program");
    const SettingsStore store(dir / "program", dir / "user");
    ::mkfifo(store.programFile().c_str(), 0600);
    EXPECT_EQ(load(store), std::pair(Result::Unreadable, ColorValue{1}));
    EXPECT_EQ(store.save(withScheme(0x444444)), store.userFile());
    EXPECT_EQ(load(store), std::pair(Result::Loaded, ColorValue{0x444444}));
}

} // namespace
} // namespace orvane
