// SPDX-License-Identifier: MIT
#include "filedialog/cFileDlg.h"
#include "filedialog/FileFilter.h"
#include "filedialog/SelectionText.h"

#include "ScriptedBackend.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Pairs = std::vector<FilterPair>;

TEST(FileFilterTest, ConvertedListsTheirEntriesAndSelections)
{
    // Bars and colons become zeros and two more end the list.
    const std::pair<const char*, std::string> rows[] = {
        {"Orvane File (*.vrx)|*.vrx", "Orvane File (*.vrx)\0*.vrx\0\0"s},
        {"C:\\x|*.x", "C\0\\x\0*.x\0\0"s},
        {"", "\0\0"s},
        {"||", "\0\0\0\0"s}};
    for (const auto& [text, converted] : rows)
        EXPECT_EQ(convertFilter(text), converted) << text;
    // Entries end at an empty description or a missing zero; a description without its pattern
    // still makes an entry, ended by the list's own zero.
    const std::pair<std::string, Pairs> lists[] = {
        {convertFilter("Text|*.txt|All|*.*"), {{"Text", "*.txt"}, {"All", "*.*"}}},
        {convertFilter("Text|*.txt|Odd"), {{"Text", "*.txt"}, {"Odd", ""}}},
        {convertFilter("Text|*.txt||All|*.*"), {{"Text", "*.txt"}}},
        {"", {}},
        {"Text\0*.txt"s, {}}};
    for (const auto& [text, pairs] : lists)
        EXPECT_EQ(filterPairs(text), pairs) << testing::PrintToString(text);
    // Lookup counts the entries from one.
    const std::string two = convertFilter("Text (*.txt)|*.txt|Pages|*.html;*.htm");
    EXPECT_EQ(lookupFilter(two, 1), "Text (*.txt)\0*.txt"s);
    EXPECT_EQ(lookupFilter(two, 2), "Pages\0*.html;*.htm"s);
    for (const std::int32_t outside : {0, -1, 3, INT_MAX, INT_MIN})
        EXPECT_EQ(lookupFilter(two, outside), "") << outside;
    // One chosen file is its path; several are their folder and their names.
    EXPECT_EQ(selectionText({"/home/ann/a.vrx"}), "/home/ann/a.vrx");
    EXPECT_EQ(selectionText({"/home/ann/a.vrx", "/home/ann/b c.vrx"}),
              "/home/ann\0a.vrx\0b c.vrx"s);
    EXPECT_EQ(selectionText({}), "");
}

TEST(FileQueriesTest, OnlyFilesExistAndTitlesAreNames)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-exist-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "scheme.vrx") << "record";
    std::error_code noLinks; // Windows may make no links: the name then names nothing all the same
    fs::create_symlink("gone.vrx", dir / "dangling.vrx", noLinks);
    EXPECT_TRUE(cFileDlg::ExistFile((dir / "scheme.vrx").string()));
    for (const char* name : {"folder", "missing.vrx", "dangling.vrx", "scheme.vrx/inside"})
        EXPECT_FALSE(cFileDlg::ExistFile((dir / name).string())) << name;
    fs::remove_all(dir);
    // The title is the name part of a path; neither helper is used by the program itself.
    const char* const titles[][2] = {
        {"/home/ann/my scheme.vrx", "my scheme.vrx"}, {"/home/ann/", ""}, {"/home/ann/..", ""}};
    for (const auto& [path, title] : titles)
        EXPECT_EQ(cFileDlg::VBGetFileTitle(path), title) << path;
}

class FileDlgTest : public testing::Test {
protected:
    ScriptedBackend backend;
};

TEST_F(FileDlgTest, FreshObjectStartsInTheDocumentsFolderWithTheDefaultDialogs)
{
    cFileDlg dlg(backend);
    std::string name;
    dlg.VBGetOpenFileName(name);
    dlg.VBGetSaveFileName(name);
    EXPECT_EQ(backend.records.at(0).filter, "\0\0"s);
    EXPECT_EQ(backend.records[0].initialDirectory, "/home/ann/Documents");
    EXPECT_EQ(backend.records[0].flags, kOfnFileMustExist | kOfnHideReadOnly);
    EXPECT_EQ(backend.records.at(1).flags, kOfnOverwritePrompt | kOfnHideReadOnly);

    backend.folders.clear(); // a special folder lookup that fails leaves no start folder
    EXPECT_EQ(cFileDlg(backend).InitDirectory(), "");
}

// Save always hides the read-only box and ignores the open-only settings; hook and template
// bits never reach a dialog.
TEST_F(FileDlgTest, FlagsFollowTheBooleansAndDropHookAndTemplateBits)
{
    // save, must exist, multiple, hide read-only, overwrite prompt, extra flags, expected
    const int cases[][7] = {
        {0, 1, 0, 1, 0, 0, 0x1004},      {0, 1, 1, 0, 0, 0, 0x1200},
        {0, 1, 0, 1, 0, -1, -1 & ~0x60}, {0, 0, 0, 0, 0, 0x60 | 0x8 | 0x80000, 0x8 | 0x80000},
        {1, 1, 1, 0, 1, 0, 0x6},         {1, 1, 1, 0, 1, 0x10 | 0x40, 0x16}};
    for (const auto& [save, mustExist, multi, hideReadOnly, overwrite, extra, expected] : cases) {
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        dlg.setFileMustExist(mustExist);
        dlg.setMultiSelect(multi);
        dlg.setHideReadOnly(hideReadOnly);
        dlg.setOverwritePrompt(overwrite);
        dlg.setFlags(extra);
        std::string name;
        save ? dlg.VBGetSaveFileName(name) : dlg.VBGetOpenFileNamePreview(name);
        EXPECT_EQ(fresh.records.at(0).flags, expected) << save << " extra flags " << extra;
    }
}

TEST_F(FileDlgTest, ConfirmedDialogHandsBackTheChoice)
{
    cFileDlg dlg(backend);
    dlg.setFilter("Text (*.txt)|*.txt|Pages|*.html;*.htm");
    backend.answers.push_back(DialogChoice{"/home/ann/site/index.html", "index.html", 2, 0x80004});
    std::string name, title;
    ASSERT_TRUE(dlg.VBGetSaveFileName(name, &title));
    EXPECT_EQ(name + "|" + title, "/home/ann/site/index.html|index.html");
    EXPECT_EQ(dlg.Filter(), "Pages\0*.html;*.htm"s);
    EXPECT_EQ(dlg.Flags(), 0x80004);

    // The next dialog starts at that file and keeps the chosen filter.
    dlg.VBGetOpenFileName(name);
    EXPECT_EQ(backend.records[1].initialDirectory, "/home/ann/site/index.html");
    EXPECT_EQ(backend.records[1].filter, "Pages\0*.html;*.htm\0\0"s);
    EXPECT_EQ(backend.records[1].filterIndex, 2);

    // Several files give their folder.
    backend.answers.push_back(DialogChoice{"/home/ann\0a.vrx\0b.vrx"s, "a.vrx", 1, 0});
    ASSERT_TRUE(dlg.VBGetOpenFileName(name, &title));
    EXPECT_EQ(name + "|" + title + "|" + dlg.InitDirectory(), "/home/ann|a.vrx|/home/ann");
}

TEST_F(FileDlgTest, CancelledDialogsLeaveSingleZerosAndTheStartFolder)
{
    for (const bool save : {false, true}) {
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        dlg.setFilter("Orvane File (*.vrx)|*.vrx");
        dlg.setFlags(0x8);
        dlg.setInitDirectory("/srv/schemes");
        std::string name = "draft.vrx", title = name;
        EXPECT_FALSE(save ? dlg.VBGetSaveFileName(name, &title)
                          : dlg.VBGetOpenFileName(name, &title));
        EXPECT_EQ(name + title + dlg.Filter(), "\0\0\0"s);
        EXPECT_EQ(dlg.Flags(), 0);
        EXPECT_EQ(dlg.FilterIndex(), save ? 0 : -1) << save;
        EXPECT_EQ(dlg.InitDirectory(), "/srv/schemes");

        // Trying again with the same text starts from an empty name: the zero ends it.
        fresh.answers.push_back(DialogChoice{"/srv/schemes/b.vrx", "b.vrx", 1, 0});
        EXPECT_TRUE(save ? dlg.VBGetSaveFileName(name) : dlg.VBGetOpenFileName(name));
        EXPECT_EQ(fresh.records.at(1).fileName, "");
    }
}

TEST_F(FileDlgTest, ReadOnlyComesFromOpenDialogsAndIsNeverCleared)
{
    cFileDlg dlg(backend);
    std::string name;
    backend.answers.push_back(DialogChoice{"/a/one.vrx", "one.vrx", 1, kOfnReadOnly});
    ASSERT_TRUE(dlg.VBGetSaveFileName(name));
    EXPECT_FALSE(dlg.ReadOnly()) << "a save dialog never sets it";
    backend.answers.push_back(
        DialogChoice{"/a/2.vrx", "2.vrx", 1, kOfnReadOnly | kOfnHideReadOnly});
    ASSERT_TRUE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());
    // Now every open dialog starts with the box ticked, and unticking it does not clear it.
    backend.answers.push_back(DialogChoice{"/a/three.vrx", "three.vrx", 1, kOfnHideReadOnly});
    ASSERT_TRUE(dlg.VBGetOpenFileNamePreview(name));
    EXPECT_TRUE(backend.records.back().flags & kOfnReadOnly);
    EXPECT_FALSE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());
}

// The classic buffers hold 1024 and 512 characters with the closing zero; a longer text must
// fail rather than be cut to a different path.
TEST_F(FileDlgTest, TextsBeyondTheBuffersFailTheDialog)
{
    const std::string fits = "/" + std::string(1022, 'f');
    const std::string severalFit = "/d"s + '\0' + std::string(1017, 'a') + '\0' + "b";
    const std::tuple<std::string, std::string, bool> cases[] = {
        {fits, "f", true},
        {fits + "g", "g", false},
        {severalFit, "b", true},
        {severalFit + "c", "b", false},
        {"/x/" + std::string(511, 't'), std::string(511, 't'), true},
        {"/x/" + std::string(512, 't'), std::string(512, 't'), false}};
    for (const auto& [chosen, title, expected] : cases) {
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        fresh.answers.push_back(DialogChoice{chosen, title, 1, 0});
        std::string name;
        EXPECT_EQ(dlg.VBGetOpenFileName(name), expected) << chosen.size() << " characters";
        EXPECT_EQ(name == "\0"s, !expected);
    }
    // A starting name that the buffer cannot hold never reaches a dialog.
    cFileDlg dlg(backend);
    std::string name = fits + "g";
    EXPECT_FALSE(dlg.VBGetSaveFileName(name));
    EXPECT_TRUE(backend.records.empty());
}

} // namespace
} // namespace orvane
