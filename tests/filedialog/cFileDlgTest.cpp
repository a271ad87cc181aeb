#include "filedialog/cFileDlg.h"

#include "ScriptedBackend.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

DialogChoice chose(std::string fileName, std::string fileTitle, std::int32_t filterIndex = 1,
                   std::int32_t flags = 0)
{
    return DialogChoice{std::move(fileName), std::move(fileTitle), filterIndex, flags};
}

class FileDlgTest : public testing::Test {
protected:
    ScriptedBackend backend;
};

TEST_F(FileDlgTest, FreshObjectStartsInTheDocumentsFolderWithTheDefaultDialogs)
{
    cFileDlg dlg(backend);
    EXPECT_EQ(backend.folderRequests, std::vector<int>{5});
    EXPECT_EQ(dlg.OwnerHwnd(), -1);
    EXPECT_EQ(dlg.InitDirectory(), "/home/ann/Documents");
    EXPECT_FALSE(dlg.ReadOnly());

    std::string name;
    dlg.VBGetOpenFileName(name);
    cFileDlg forSaving(backend);
    forSaving.VBGetSaveFileName(name);
    ASSERT_EQ(backend.records.size(), 2u);
    for (const DialogRecord& record : backend.records) {
        EXPECT_EQ(record.owner, 0);
        EXPECT_EQ(record.filter, "\0\0"s);
        EXPECT_EQ(record.filterIndex, 0);
        EXPECT_EQ(record.initialDirectory, "/home/ann/Documents");
        EXPECT_EQ(record.title, "Orvane");
        EXPECT_EQ(record.defaultExtension, "");
    }
    EXPECT_EQ(backend.records[0].kind, DialogKind::Open);
    EXPECT_EQ(backend.records[0].flags, kOfnFileMustExist | kOfnHideReadOnly);
    EXPECT_EQ(backend.records[1].kind, DialogKind::Save);
    EXPECT_EQ(backend.records[1].flags, kOfnOverwritePrompt | kOfnHideReadOnly);
}

TEST_F(FileDlgTest, SpecialFolderLookupThatFailsLeavesNoStartFolder)
{
    backend.folders.clear();
    cFileDlg dlg(backend);
    EXPECT_EQ(dlg.InitDirectory(), "");

    backend.folders[39] = "/home/ann/Pictures";
    dlg.setInitDirectorySpecial(39);
    EXPECT_EQ(dlg.InitDirectory(), "/home/ann/Pictures");
    dlg.setInitDirectorySpecial(1234);
    EXPECT_EQ(dlg.InitDirectory(), "");
}

TEST_F(FileDlgTest, RecordCarriesTheCallersSettings)
{
    cFileDlg dlg(backend);
    dlg.setOwnerHwnd(0x2A00017);
    dlg.setFilter("Orvane File (*.vrx)|*.vrx");
    dlg.setFilterIndex(1);
    dlg.setDefaultExt("vrx");
    dlg.setDlgTitle("Pick a scheme");
    dlg.setInitDirectory("/srv/schemes");
    std::string name = "start.vrx";
    std::string title = "start";
    dlg.VBGetOpenFileName(name, &title);

    ASSERT_EQ(backend.records.size(), 1u);
    const DialogRecord& record = backend.records[0];
    EXPECT_EQ(record.owner, 0x2A00017);
    EXPECT_EQ(record.filter, "Orvane File (*.vrx)\0*.vrx\0\0"s);
    EXPECT_EQ(record.filterIndex, 1);
    EXPECT_EQ(record.defaultExtension, "vrx");
    EXPECT_EQ(record.title, "Pick a scheme");
    EXPECT_EQ(record.initialDirectory, "/srv/schemes");
    EXPECT_EQ(record.fileName, "start.vrx");
    EXPECT_EQ(record.fileTitle, "start");
}

TEST_F(FileDlgTest, FilterTextIsSplitAtBarsAndColons)
{
    cFileDlg dlg(backend);
    std::string name;
    dlg.setFilter("HTML File (*.html;*.htm)|*.html;*.htm");
    dlg.VBGetSaveFileName(name);
    dlg.setFilter("Notes: plain|*.txt|All|*.*");
    dlg.VBGetOpenFileName(name);
    ASSERT_EQ(backend.records.size(), 2u);
    EXPECT_EQ(backend.records[0].filter, "HTML File (*.html;*.htm)\0*.html;*.htm\0\0"s);
    EXPECT_EQ(backend.records[1].filter, "Notes\0 plain\0*.txt\0All\0*.*\0\0"s);
}

TEST_F(FileDlgTest, OpenFlagsFollowTheBooleansAndDropHookAndTemplateBits)
{
    struct Case {
        bool mustExist, multi, hideReadOnly;
        std::int32_t extra, expected;
    };
    const Case cases[] = {
        {true, false, true, 0, 0x1004},
        {false, false, false, 0, 0},
        {false, true, false, 0, 0x200},
        {true, true, false, 0, 0x1200},
        {false, false, true, 0x20, 0x4},
        {false, false, false, 0x60 | 0x8 | 0x80000, 0x8 | 0x80000},
        {true, false, true, -1, -1 & ~0x60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "extra flags " << c.extra);
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        dlg.setFileMustExist(c.mustExist);
        dlg.setMultiSelect(c.multi);
        dlg.setHideReadOnly(c.hideReadOnly);
        dlg.setFlags(c.extra);
        std::string name;
        dlg.VBGetOpenFileNamePreview(name);
        ASSERT_EQ(fresh.records.size(), 1u);
        EXPECT_EQ(fresh.records[0].kind, DialogKind::OpenWithPreview);
        EXPECT_EQ(fresh.records[0].flags, c.expected);
    }
}

TEST_F(FileDlgTest, SaveAlwaysHidesReadOnlyAndIgnoresTheOpenSettings)
{
    struct Case {
        bool overwritePrompt;
        std::int32_t extra, expected;
    };
    const Case cases[] = {
        {true, 0, 0x6},
        {false, 0, 0x4},
        {false, 0x20 | 0x40, 0x4},
        {true, 0x10 | 0x40, 0x16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "extra flags " << c.extra);
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        dlg.setOverwritePrompt(c.overwritePrompt);
        dlg.setHideReadOnly(false);
        dlg.setMultiSelect(true);
        dlg.setFileMustExist(true);
        dlg.setFlags(c.extra);
        std::string name;
        dlg.VBGetSaveFileName(name);
        ASSERT_EQ(fresh.records.size(), 1u);
        EXPECT_EQ(fresh.records[0].flags, c.expected);
    }
}

TEST_F(FileDlgTest, ConfirmedDialogHandsBackTheChoice)
{
    cFileDlg dlg(backend);
    dlg.setFilter("Text (*.txt)|*.txt|Pages|*.html;*.htm");
    backend.answers.push_back(chose("/home/ann/site/index.html", "index.html", 2, 0x80004));
    std::string name;
    std::string title;
    ASSERT_TRUE(dlg.VBGetSaveFileName(name, &title));
    EXPECT_EQ(name, "/home/ann/site/index.html");
    EXPECT_EQ(title, "index.html");
    EXPECT_EQ(dlg.FilterIndex(), 2);
    EXPECT_EQ(dlg.Filter(), "Pages\0*.html;*.htm"s);
    EXPECT_EQ(dlg.Flags(), 0x80004);
    EXPECT_EQ(dlg.InitDirectory(), "/home/ann/site/index.html");

    // The next dialog from the same object starts at that file and keeps the chosen filter.
    std::string next;
    dlg.VBGetOpenFileName(next);
    ASSERT_EQ(backend.records.size(), 2u);
    EXPECT_EQ(backend.records[1].initialDirectory, "/home/ann/site/index.html");
    EXPECT_EQ(backend.records[1].filter, "Pages\0*.html;*.htm\0\0"s);
    EXPECT_EQ(backend.records[1].filterIndex, 2);
}

TEST_F(FileDlgTest, CancelledDialogsLeaveSingleZerosAndTheStartFolder)
{
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        dlg.setFilter("Orvane File (*.vrx)|*.vrx");
        dlg.setFilterIndex(1);
        dlg.setFlags(0x8);
        dlg.setInitDirectory("/srv/schemes");
        std::string name = "draft.vrx";
        std::string title = "draft.vrx";
        const bool chosen =
            save ? dlg.VBGetSaveFileName(name, &title) : dlg.VBGetOpenFileName(name, &title);
        EXPECT_FALSE(chosen);
        EXPECT_EQ(name, "\0"s);
        EXPECT_EQ(title, "\0"s);
        EXPECT_EQ(dlg.Flags(), 0);
        EXPECT_EQ(dlg.Filter(), "\0"s);
        EXPECT_EQ(dlg.FilterIndex(), save ? 0 : -1);
        EXPECT_EQ(dlg.InitDirectory(), "/srv/schemes");

        // Trying again with the same text starts from an empty name: the zero ends it.
        fresh.answers.push_back(chose("/srv/schemes/b.vrx", "b.vrx"));
        EXPECT_TRUE(save ? dlg.VBGetSaveFileName(name) : dlg.VBGetOpenFileName(name));
        ASSERT_EQ(fresh.records.size(), 2u);
        EXPECT_EQ(fresh.records[1].fileName, "");
        EXPECT_EQ(name, "/srv/schemes/b.vrx");
    }
}

TEST_F(FileDlgTest, ReadOnlyComesFromOpenDialogsAndIsNeverCleared)
{
    cFileDlg dlg(backend);
    std::string name;
    backend.answers.push_back(chose("/a/one.vrx", "one.vrx", 1, kOfnReadOnly));
    ASSERT_TRUE(dlg.VBGetSaveFileName(name));
    EXPECT_FALSE(dlg.ReadOnly()) << "a save dialog never sets it";

    backend.answers.push_back(chose("/a/two.vrx", "two.vrx", 1, kOfnReadOnly | kOfnHideReadOnly));
    ASSERT_TRUE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());

    // Now every open dialog starts with the box ticked, and unticking it does not clear it.
    backend.answers.push_back(chose("/a/three.vrx", "three.vrx", 1, kOfnHideReadOnly));
    ASSERT_TRUE(dlg.VBGetOpenFileNamePreview(name));
    EXPECT_TRUE(backend.records.back().flags & kOfnReadOnly);
    EXPECT_TRUE(dlg.ReadOnly());
    EXPECT_FALSE(dlg.VBGetOpenFileName(name));
    EXPECT_TRUE(dlg.ReadOnly());
}

TEST_F(FileDlgTest, SeveralFilesGiveTheirFolder)
{
    cFileDlg dlg(backend);
    dlg.setMultiSelect(true);
    backend.answers.push_back(chose("/home/ann\0a.vrx\0b.vrx"s, "a.vrx"));
    std::string name;
    std::string title;
    ASSERT_TRUE(dlg.VBGetOpenFileName(name, &title));
    EXPECT_EQ(name, "/home/ann");
    EXPECT_EQ(title, "a.vrx");
    EXPECT_EQ(dlg.InitDirectory(), "/home/ann");
}

// The classic buffers hold 1024 and 512 characters with the closing zero; a longer text must
// fail rather than be cut to a different path.
TEST_F(FileDlgTest, TextsBeyondTheBuffersFailTheDialog)
{
    const std::string fits = "/" + std::string(1022, 'f');
    const std::string tooLong = fits + "g";
    const std::string severalFit = "/d"s + '\0' + std::string(1017, 'a') + '\0' + "b";
    ASSERT_EQ(severalFit.size(), 1022u);

    struct Case {
        std::string chosen, title;
        bool expected;
    };
    const Case cases[] = {
        {fits, "f", true},
        {tooLong, "g", false},
        {severalFit, "b", true},
        {severalFit + "c", "b", false},
        {"/x/" + std::string(511, 't'), std::string(511, 't'), true},
        {"/x/" + std::string(512, 't'), std::string(512, 't'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "path of " << c.chosen.size() << " characters");
        ScriptedBackend fresh;
        cFileDlg dlg(fresh);
        fresh.answers.push_back(chose(c.chosen, c.title, 1));
        std::string name;
        EXPECT_EQ(dlg.VBGetOpenFileName(name), c.expected);
        EXPECT_EQ(name.size() == 1 && name[0] == '\0', !c.expected);
        EXPECT_EQ(dlg.FilterIndex(), c.expected ? 1 : -1);
    }

    // A starting name that the buffer cannot hold never reaches a dialog.
    cFileDlg dlg(backend);
    std::string name = tooLong;
    EXPECT_FALSE(dlg.VBGetSaveFileName(name));
    EXPECT_TRUE(backend.records.empty());
    EXPECT_EQ(name, "\0"s);
    name = fits;
    backend.answers.push_back(chose(fits, "f"));
    EXPECT_TRUE(dlg.VBGetSaveFileName(name));
    EXPECT_EQ(backend.records.size(), 1u);
}

} // namespace
} // namespace orvane
