// SPDX-License-Identifier: MIT
// The real common dialogs, worked by a hook procedure as a user would: it types a name and
// presses OK, or cancels, as soon as the dialog has started.
#include "filedialog/Win32FileDialogBackend.h"

#include "core/Utf8Path.h"
#include "filedialog/cFileDlg.h"

#include <gtest/gtest.h>

#include <cderr.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// What the hook types into a dialog, and what it found the dialog handed.
struct Script {
    std::wstring typed; // then OK; an empty text cancels
    bool ran = false;
    OPENFILENAMEW seen{}; // its texts are gone with the dialog, so they are copied
    std::wstring filter, initialDirectory, title, defaultExtension;
};

UINT_PTR CALLBACK workDialog(HWND hook, UINT message, WPARAM, LPARAM parameter)
{
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(parameter)->code != CDN_INITDONE)
        return 0;
    const OPENFILENAMEW& record = *reinterpret_cast<const OFNOTIFYW*>(parameter)->lpOFN;
    Script& script = *reinterpret_cast<Script*>(record.lCustData);
    script.ran = true;
    script.seen = record;
    const wchar_t* end = record.lpstrFilter;
    while (end[0] != L'\0' || end[1] != L'\0')
        ++end;
    script.filter.assign(record.lpstrFilter, end + 2);
    const auto text = [](const wchar_t* given) { return given ? given : L""; };
    script.initialDirectory = text(record.lpstrInitialDir);
    script.title = text(record.lpstrTitle);
    script.defaultExtension = text(record.lpstrDefExt);
    const HWND dialog = GetParent(hook);
    // The file name box is edt1 in Wine's dialog and cmb13 in that of Windows.
    for (const int box : {edt1, cmb13})
        SendMessageW(dialog, CDM_SETCONTROLTEXT, box,
                     reinterpret_cast<LPARAM>(script.typed.c_str()));
    PostMessageW(dialog, WM_COMMAND, script.typed.empty() ? IDCANCEL : IDOK, 0);
    return 0;
}

class Win32FileDialogBackendTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder);
        for (const char* name : {"Grün Blau.vrx", "b.vrx"})
            std::ofstream(folder / pathFromUtf8(name)) << "scheme";
    }
    void TearDown() override
    {
        // A dialog makes the folder of the chosen file the current one, which Windows does not
        // let go.
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(folder);
    }
    // Makes the next dialog take typed, or be cancelled for an empty text.
    void willType(std::wstring typed)
    {
        script = Script();
        script.typed = std::move(typed);
    }

    Script script;
    Win32FileDialogBackend backend{{workDialog, reinterpret_cast<LPARAM>(&script)}};
    fs::path folder =
        fs::temp_directory_path() / pathFromUtf8("Farbschemata " + std::to_string(::getpid()));
};

// Through cFileDlg: the record as Windows reads it, and the choice as the program gets it.
TEST_F(Win32FileDialogBackendTest, ConfirmedDialogsHandBackTheChoiceInUtf8)
{
    // The flags come back as cFileDlg set them, but that a file which must exist needs its
    // folder to exist too.
    const struct {
        bool save;
        std::wstring typed;
        const char* title;
        DWORD returned;
    } cases[] = {
        {false, (folder / L"Grün Blau.vrx").wstring(), "Grün Blau.vrx",
         OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY},
        {true, L"配色", "配色.vrx", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY},
    };
    for (const auto& [save, typed, title, returned] : cases) {
        SCOPED_TRACE(title);
        willType(typed);
        cFileDlg dlg(backend);
        dlg.setFilter("Orvane File (*.vrx)|*.vrx|All|*.*");
        dlg.setFilterIndex(2);
        dlg.setDefaultExt("vrx");
        dlg.setInitDirectory(utf8Of(folder));
        std::string name, chosenTitle;
        ASSERT_TRUE(save ? dlg.VBGetSaveFileName(name, &chosenTitle)
                         : dlg.VBGetOpenFileName(name, &chosenTitle));
        EXPECT_EQ(name, utf8Of(folder / pathFromUtf8(title)));
        EXPECT_EQ(chosenTitle, title);
        EXPECT_EQ(dlg.FilterIndex(), 2);
        EXPECT_EQ(dlg.Filter(), "All\0*.*"s);
        EXPECT_EQ(dlg.Flags(), static_cast<std::int32_t>(returned));

        const OPENFILENAMEW& seen = script.seen;
        EXPECT_EQ(seen.lStructSize, DWORD{OPENFILENAME_SIZE_VERSION_400W});
        EXPECT_EQ(script.filter, L"Orvane File (*.vrx)\0*.vrx\0All\0*.*\0\0"s);
        EXPECT_EQ(seen.nFilterIndex, 2u);
        EXPECT_EQ(seen.nMaxFile, kFileBufferSize);
        EXPECT_EQ(seen.nMaxFileTitle, kFileTitleBufferSize);
        EXPECT_EQ(script.initialDirectory, folder.wstring());
        EXPECT_EQ(script.title, L"Orvane");
        EXPECT_EQ(script.defaultExtension, L"vrx");
        EXPECT_EQ(seen.Flags, returned | OFN_EXPLORER | OFN_ENABLEHOOK);
    }
    EXPECT_TRUE(cFileDlg::ExistFile(utf8Of(folder / L"Grün Blau.vrx")));
}

// Several files come back as their folder and their names; the preview dialog is an open one.
TEST_F(Win32FileDialogBackendTest, SeveralFilesAndThePreviewDialog)
{
    DialogRecord record;
    record.filter = "\0\0"s;
    record.initialDirectory = utf8Of(folder);
    record.flags = OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;
    willType(L"\"Grün Blau.vrx\" \"b.vrx\"");
    const std::optional<DialogChoice> several = backend.run(record);
    ASSERT_TRUE(several);
    EXPECT_EQ(several->fileName, utf8Of(folder) + "\0Grün Blau.vrx\0b.vrx"s);
    EXPECT_EQ(several->flags & OFN_ALLOWMULTISELECT, OFN_ALLOWMULTISELECT);

    record.kind = DialogKind::OpenWithPreview;
    record.flags = OFN_FILEMUSTEXIST;
    willType(L"b.vrx");
    const std::optional<DialogChoice> previewed = backend.run(record);
    ASSERT_TRUE(previewed);
    EXPECT_EQ(previewed->fileName, utf8Of(folder / "b.vrx"));
}

// A cancelled dialog gives no extended error; a record Windows cannot be handed is never shown.
TEST_F(Win32FileDialogBackendTest, CancelledAndUnshownDialogsSayWhy)
{
    cFileDlg dlg(backend);
    std::string name = "draft.vrx";
    EXPECT_FALSE(dlg.VBGetOpenFileName(name));
    EXPECT_EQ(name, "\0"s);
    EXPECT_TRUE(script.ran);
    EXPECT_EQ(backend.lastError(), 0u);

    willType(L"never typed");
    dlg.setDlgTitle("\xFF not UTF-8");
    EXPECT_FALSE(dlg.VBGetSaveFileName(name));
    EXPECT_FALSE(script.ran);
    EXPECT_EQ(backend.lastError(), DWORD{CDERR_INITIALIZATION});
}

TEST_F(Win32FileDialogBackendTest, SpecialFoldersAreWindowsFolders)
{
    EXPECT_TRUE(fs::is_directory(pathFromUtf8(cFileDlg(backend).InitDirectory())));
    EXPECT_EQ(backend.specialFolder(9999), std::nullopt);
}

} // namespace
} // namespace orvane
