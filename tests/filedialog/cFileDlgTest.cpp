#include "filedialog/cFileDlg.h"

#include "ScriptedBackend.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

class FileDlgTest : public testing::Test {
protected:
    ScriptedBackend backend;
};

TEST_F(FileDlgTest, FreshObjectStartsInTheDocumentsFolderWithTheDefaultDialogs)
{
    cFileDlg dlg(backend);
    std::string name;
    dlg.VBGetOpenFileName(name);
    dlg.setFilter("Orvane File (*.vrx)|*.vrx");
    dlg.VBGetSaveFileName(name);
    ASSERT_EQ(backend.records.size(), 2u);
    EXPECT_EQ(backend.records[0].filter, "\0\0"s);
    EXPECT_EQ(backend.records[1].filter, "Orvane File (*.vrx)\0*.vrx\0\0"s);
    EXPECT_EQ(backend.records[0].initialDirectory, "/home/ann/Documents");
    EXPECT_EQ(backend.records[0].flags, kOfnFileMustExist | kOfnHideReadOnly);
    EXPECT_EQ(backend.records[1].flags, kOfnOverwritePrompt | kOfnHideReadOnly);

    backend.folders.clear(); // a special folder lookup that fails leaves no start folder
    cFileDlg noDocuments(backend);
    EXPECT_EQ(noDocuments.InitDirectory(), "");
}

// Save always hides the read-only box and ignores the open-only settings; hook and template
// bits never reach a dialog.
TEST_F(FileDlgTest, FlagsFollowTheBooleansAndDropHookAndTemplateBits)
{
    // save, must exist, multiple, hide read-only, overwrite prompt, extra flags, expected
    const int cases[][7] = {
        {0, 1, 0, 1, 0, 0, 0x1004},
        {0, 1, 1, 0, 0, 0, 0x1200},
        {0, 0, 0, 0, 0, 0x60 | 0x8 | 0x80000, 0x8 | 0x80000},
        {0, 1, 0, 1, 0, -1, -1 & ~0x60},
        {1, 1, 1, 0, 1, 0, 0x6},
        {1, 1, 1, 0, 1, 0x10 | 0x40, 0x16},
    };
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
        SCOPED_TRACE(save ? "save" : "open");
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
        EXPECT_EQ(dlg.FilterIndex(), save ? 0 : -1);
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
        {"/x/" + std::string(512, 't'), std::string(512, 't'), false},
    };
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
