#include "filedialog/cFileDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(ExistFileTest, OnlyFilesWithALengthExist)
{
    static std::atomic<int> counter{0};
    const fs::path dir = fs::temp_directory_path() / ("orvane-exist-" + std::to_string(::getpid()) +
                                                      "-" + std::to_string(counter++));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "scheme.vrx") << "record";
    std::ofstream(dir / "empty.vrx").flush();
    fs::create_symlink("scheme.vrx", dir / "link.vrx");
    fs::create_symlink("gone.vrx", dir / "dangling.vrx");

    EXPECT_TRUE(cFileDlg::ExistFile((dir / "scheme.vrx").string()));
    EXPECT_TRUE(cFileDlg::ExistFile((dir / "empty.vrx").string()));
    EXPECT_TRUE(cFileDlg::ExistFile((dir / "link.vrx").string()));
    EXPECT_FALSE(cFileDlg::ExistFile((dir / "folder").string()));
    EXPECT_FALSE(cFileDlg::ExistFile((dir / "missing.vrx").string()));
    EXPECT_FALSE(cFileDlg::ExistFile((dir / "dangling.vrx").string()));
    EXPECT_FALSE(cFileDlg::ExistFile((dir / "scheme.vrx" / "inside").string()));
    EXPECT_FALSE(cFileDlg::ExistFile(""));

    std::error_code error;
    fs::remove_all(dir, error);
}

TEST(FileTitleTest, NamePartOfAPath)
{
    EXPECT_EQ(cFileDlg::VBGetFileTitle("/home/ann/scheme.vrx"), "scheme.vrx");
    EXPECT_EQ(cFileDlg::VBGetFileTitle("archive.tar.gz"), "archive.tar.gz");
    EXPECT_EQ(cFileDlg::VBGetFileTitle("notes/.hidden"), ".hidden");
    EXPECT_EQ(cFileDlg::VBGetFileTitle("/home/ann/my scheme"), "my scheme");
    for (const char* nameless : {"", "/", "/home/ann/", ".", "/home/ann/.."}) {
        SCOPED_TRACE(nameless);
        EXPECT_EQ(cFileDlg::VBGetFileTitle(nameless), "");
    }
}

} // namespace
} // namespace orvane
