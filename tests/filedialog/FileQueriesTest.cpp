#include "filedialog/cFileDlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(FileQueriesTest, OnlyFilesExist)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-exist-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "scheme.vrx") << "record";
    std::ofstream(dir / "empty.vrx").flush();
    fs::create_symlink("scheme.vrx", dir / "link.vrx");
    fs::create_symlink("gone.vrx", dir / "dangling.vrx");
    for (const auto& [name, exists] : {std::pair{"scheme.vrx", true},
                                       {"empty.vrx", true},
                                       {"link.vrx", true},
                                       {"folder", false},
                                       {"missing.vrx", false},
                                       {"dangling.vrx", false},
                                       {"scheme.vrx/inside", false}})
        EXPECT_EQ(cFileDlg::ExistFile((dir / name).string()), exists) << name;
    EXPECT_FALSE(cFileDlg::ExistFile(""));
    fs::remove_all(dir);
}

TEST(FileQueriesTest, FileTitleIsTheNamePartOfAPath)
{
    for (const auto& [path, title] : {std::pair{"/home/ann/scheme.vrx", "scheme.vrx"},
                                      {"archive.tar.gz", "archive.tar.gz"},
                                      {"notes/.hidden", ".hidden"},
                                      {"/home/ann/my scheme", "my scheme"},
                                      {"", ""},
                                      {"/", ""},
                                      {"/home/ann/", ""},
                                      {".", ""},
                                      {"/home/ann/..", ""}})
        EXPECT_EQ(cFileDlg::VBGetFileTitle(path), title) << path;
}

} // namespace
} // namespace orvane
