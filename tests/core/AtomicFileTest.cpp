#include "core/AtomicFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Names = std::set<std::string>;

// Caps how large this process may make a file, so that a write fails part-way through even for
// root, until the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
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

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string read(const char* name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write(const std::string& name, const std::string& bytes) const
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
        fs::temp_directory_path() / ("orvane-atomic-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(AtomicFileTest, ReplacesTheWholeContentKeepingPermissionsAndLinks)
{
    write("old.txt", std::string(500, 'x'));
    // No file is ever created without its owner's write bit, so 0440 cannot come by chance.
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(dir / "old.txt", readOnly, fs::perm_options::replace);
    ASSERT_TRUE(writeFileAtomically(dir / "old.txt", "a\0b\r\n\xFF"s));
    EXPECT_EQ(read("old.txt"), "a\0b\r\n\xFF"s);
    EXPECT_EQ(fs::status(dir / "old.txt").permissions(), readOnly);

    // Writing through a link changes the file it names and keeps the link.
    fs::create_symlink("old.txt", dir / "link.cfg");
    ASSERT_TRUE(writeFileAtomically(dir / "link.cfg", ""));
    EXPECT_TRUE(fs::is_symlink(dir / "link.cfg"));
    EXPECT_EQ(fs::file_size(dir / "old.txt"), 0u);
    EXPECT_EQ(names(), (Names{"link.cfg", "old.txt"}));
}

TEST_F(AtomicFileTest, FailuresLeaveTheTargetAndNoTemporary)
{
    write("plain", "keep"); // nothing can be created below a regular file, even by root
    fs::create_directory(dir / "folder");
    for (const fs::path& path :
         {dir / "plain" / "out", dir / "missing" / "out", dir / "folder", fs::path()})
        EXPECT_FALSE(writeFileAtomically(path, "data")) << path;
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(writeFileAtomically(dir / "plain", std::string(1000, 'n')));
        EXPECT_TRUE(writeFileAtomically(dir / "small", std::string(64, 's'))); // within the cap
    }
    EXPECT_EQ(read("plain"), "keep");
    EXPECT_EQ(names(), (Names{"folder", "plain", "small"}));
}

// Neighbours with temporary-like names belong to someone and survive; only the writer's own
// leftovers from a killed write are cleared, and only once stale.
TEST_F(AtomicFileTest, OnlyStaleLeftoversOfAKilledWriteAreCleared)
{
    const Names neighbours = {"data.cfg",        "data.cfg.new",
                              "data.cfg~",       ".orvane-0000000000.tmp",
                              ".orvane-abc.tmp", ".orvane-klmnopqrst.tmp"};
    for (const std::string& name : neighbours)
        write(name, "mine: " + name);
    write(".orvane-abcdefghij.tmp", "half a record");
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    fs::last_write_time(dir / ".orvane-abcdefghij.tmp", longAgo);
    fs::last_write_time(dir / ".orvane-abc.tmp", longAgo); // not a name the writer makes
    ASSERT_TRUE(writeFileAtomically(dir / "data.cfg", "new"));
    EXPECT_EQ(read("data.cfg"), "new");
    EXPECT_EQ(names(), neighbours);
    EXPECT_EQ(read(".orvane-0000000000.tmp"), "mine: .orvane-0000000000.tmp");
}

} // namespace
} // namespace orvane
