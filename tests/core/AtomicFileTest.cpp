#include "core/AtomicFile.h"

#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("orvane-atomic-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(dir_, error);
    }

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
            found.insert(entry.path().filename().string());
        return found;
    }

    fs::path dir_;
};

TEST_F(AtomicFileTest, CreatesOrReplacesTheWholeContent)
{
    const std::string binary = "a\0b\r\n\xFF\x00"s;
    ASSERT_TRUE(writeFileAtomically(dir_ / "new.bin", binary));
    EXPECT_EQ(read(dir_ / "new.bin"), binary);

    // A shorter content leaves nothing of the longer one behind.
    write(dir_ / "old.txt", std::string(500, 'x'));
    ASSERT_TRUE(writeFileAtomically(dir_ / "old.txt", "short"));
    EXPECT_EQ(read(dir_ / "old.txt"), "short");
    ASSERT_TRUE(writeFileAtomically(dir_ / "old.txt", ""));
    EXPECT_TRUE(fs::exists(dir_ / "old.txt"));
    EXPECT_EQ(fs::file_size(dir_ / "old.txt"), 0u);

    EXPECT_EQ(names(), (std::set<std::string>{"new.bin", "old.txt"}));
}

TEST_F(AtomicFileTest, FailsWhereNoFileCanBeCreated)
{
    // Nothing can be created below a regular file, even by root.
    write(dir_ / "plain", "keep");
    EXPECT_FALSE(writeFileAtomically(dir_ / "plain" / "out.txt", "data"));
    EXPECT_FALSE(writeFileAtomically(dir_ / "missing" / "out.txt", "data"));
    EXPECT_FALSE(writeFileAtomically(fs::path(), "data"));

    EXPECT_EQ(read(dir_ / "plain"), "keep");
    EXPECT_EQ(names(), std::set<std::string>{"plain"});
}

TEST_F(AtomicFileTest, DirectoryIsNeverReplaced)
{
    fs::create_directory(dir_ / "folder");
    EXPECT_FALSE(writeFileAtomically(dir_ / "folder", "data"));
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
    EXPECT_EQ(names(), std::set<std::string>{"folder"});
}

TEST_F(AtomicFileTest, WriteFailingPartWayKeepsTheOldFile)
{
    write(dir_ / "target.cfg", "old content");
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(writeFileAtomically(dir_ / "target.cfg", std::string(1000, 'n')));
        // Below the cap the same call goes through, so the limit alone caused the failure.
        EXPECT_TRUE(writeFileAtomically(dir_ / "small.cfg", std::string(64, 's')));
    }
    EXPECT_EQ(read(dir_ / "target.cfg"), "old content");
    EXPECT_EQ(names(), (std::set<std::string>{"small.cfg", "target.cfg"}));
}

// Files that look like leftovers of an earlier save belong to someone; none may be reused.
TEST_F(AtomicFileTest, NeighboursWithTemporaryLikeNamesSurvive)
{
    const std::set<std::string> neighbours = {"data.cfg.new", "data.cfg.tmp", "data.cfg~",
                                              ".data.cfg.swp", ".orvane-0000000000.tmp"};
    for (const std::string& name : neighbours)
        write(dir_ / name, "mine: " + name);

    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(writeFileAtomically(dir_ / "data.cfg", "round " + std::to_string(i)));

    EXPECT_EQ(read(dir_ / "data.cfg"), "round 19");
    for (const std::string& name : neighbours)
        EXPECT_EQ(read(dir_ / name), "mine: " + name);
    std::set<std::string> expected = neighbours;
    expected.insert("data.cfg");
    EXPECT_EQ(names(), expected);
}

TEST_F(AtomicFileTest, LeftoversOfAKilledWriteAreClearedOnceStale)
{
    // What a write killed before its rename leaves behind, one old and one from just now.
    const fs::path stale = dir_ / ".orvane-abcdefghij.tmp";
    const fs::path recent = dir_ / ".orvane-klmnopqrst.tmp";
    const fs::path lookalike = dir_ / ".orvane-abc.tmp";
    for (const fs::path& path : {stale, recent, lookalike})
        write(path, "half a record");
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    fs::last_write_time(stale, longAgo);
    fs::last_write_time(lookalike, longAgo);

    ASSERT_TRUE(writeFileAtomically(dir_ / "data.cfg", "new"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(recent)) << "it may belong to a write still under way";
    EXPECT_TRUE(fs::exists(lookalike)) << "not a name the writer makes";
}

TEST_F(AtomicFileTest, ReplacementKeepsPermissionsAndLinks)
{
    write(dir_ / "private.cfg", "old");
    // No file is ever created without its owner's write bit, so 0440 cannot come by chance.
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(dir_ / "private.cfg", readOnly, fs::perm_options::replace);
    ASSERT_TRUE(writeFileAtomically(dir_ / "private.cfg", "new"));
    EXPECT_EQ(read(dir_ / "private.cfg"), "new");
    EXPECT_EQ(fs::status(dir_ / "private.cfg").permissions(), readOnly);

    // Writing through a link changes the file it names and keeps the link.
    fs::create_directory(dir_ / "real");
    write(dir_ / "real" / "settings.cfg", "old");
    fs::create_symlink("real/settings.cfg", dir_ / "link.cfg");
    ASSERT_TRUE(writeFileAtomically(dir_ / "link.cfg", "through the link"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.cfg"));
    EXPECT_EQ(read(dir_ / "real" / "settings.cfg"), "through the link");
    EXPECT_EQ(names(), (std::set<std::string>{"link.cfg", "private.cfg", "real"}));
}

} // namespace
} // namespace orvane
