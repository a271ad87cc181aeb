// SPDX-License-Identifier: MIT
#include "filedialog/cFileDlg.h"

#include "core/Utf8Path.h"
#include "filedialog/FileFilter.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace orvane {

namespace {

// Bits that would hand the dialog a hook procedure or a template, which no caller can supply.
constexpr std::int32_t kNeverPassed = kOfnEnableHook | kOfnEnableTemplate;

std::string_view beforeFirstZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// A dialog's buffer holds its text and the terminating zero; a list of several files ends with
// a second zero.
bool fitsBuffer(std::string_view text, std::size_t bufferSize)
{
    const std::size_t zeros = text.find('\0') == std::string_view::npos ? 1 : 2;
    return text.size() + zeros <= bufferSize;
}

std::optional<DialogChoice> fittingChoice(std::optional<DialogChoice> choice)
{
    if (choice && fitsBuffer(choice->fileName, kFileBufferSize) &&
        fitsBuffer(choice->fileTitle, kFileTitleBufferSize))
        return choice;
    return std::nullopt;
}

} // namespace

cFileDlg::cFileDlg(FileDialogBackend& backend) : backend_(backend)
{
    setInitDirectorySpecial(kPersonalFolder);
}

void cFileDlg::setInitDirectorySpecial(int folderId)
{
    InitDirectory_ = backend_.specialFolder(folderId).value_or(std::string());
}

bool cFileDlg::VBGetOpenFileName(std::string& fileName, std::string* fileTitle)
{
    return runDialog(DialogKind::Open, fileName, fileTitle);
}

bool cFileDlg::VBGetOpenFileNamePreview(std::string& fileName, std::string* fileTitle)
{
    return runDialog(DialogKind::OpenWithPreview, fileName, fileTitle);
}

bool cFileDlg::VBGetSaveFileName(std::string& fileName, std::string* fileTitle)
{
    return runDialog(DialogKind::Save, fileName, fileTitle);
}

std::int32_t cFileDlg::openFlags() const
{
    std::int32_t flags = Flags_ & ~kNeverPassed;
    if (FileMustExist_)
        flags |= kOfnFileMustExist;
    if (MultiSelect_)
        flags |= kOfnAllowMultiSelect;
    if (ReadOnly_)
        flags |= kOfnReadOnly;
    if (HideReadOnly_)
        flags |= kOfnHideReadOnly;
    return flags;
}

std::int32_t cFileDlg::saveFlags() const
{
    std::int32_t flags = (Flags_ & ~kNeverPassed) | kOfnHideReadOnly;
    if (OverwritePrompt_)
        flags |= kOfnOverwritePrompt;
    return flags;
}

bool cFileDlg::runDialog(DialogKind kind, std::string& fileName, std::string* fileTitle)
{
    const bool save = kind == DialogKind::Save;
    DialogRecord record;
    record.kind = kind;
    record.owner = OwnerHwnd_ == -1 ? 0 : OwnerHwnd_;
    record.filter = convertFilter(Filter_);
    record.filterIndex = FilterIndex_;
    // The dialog reads its buffers only up to the first zero.
    record.fileName = beforeFirstZero(fileName);
    record.fileTitle = fileTitle ? beforeFirstZero(*fileTitle) : std::string_view();
    record.initialDirectory = InitDirectory_;
    record.title = DlgTitle_;
    record.defaultExtension = DefaultExt_;
    record.flags = save ? saveFlags() : openFlags();

    // A text too long for the classic buffers fails the dialog rather than being cut short,
    // which would hand the caller a path to some other file.
    const std::optional<DialogChoice> choice =
        fitsBuffer(record.fileName, kFileBufferSize) &&
                fitsBuffer(record.fileTitle, kFileTitleBufferSize)
            ? fittingChoice(backend_.run(record))
            : std::nullopt;
    if (!choice) {
        fileName.assign(1, '\0');
        if (fileTitle)
            fileTitle->assign(1, '\0');
        Flags_ = 0;
        Filter_.assign(1, '\0');
        FilterIndex_ = save ? 0 : -1;
        return false;
    }

    fileName = beforeFirstZero(choice->fileName);
    if (fileTitle)
        *fileTitle = beforeFirstZero(choice->fileTitle);
    Flags_ = choice->flags;
    FilterIndex_ = choice->filterIndex;
    Filter_ = lookupFilter(record.filter, FilterIndex_);
    if (!save && (Flags_ & kOfnReadOnly) != 0)
        ReadOnly_ = true;
    // Only the first part of a several-file answer is a path to start from: its folder.
    InitDirectory_ = fileName;
    return true;
}

bool cFileDlg::ExistFile(std::string_view fileSpec)
{
    try {
        std::error_code error;
        // Whether the length can be read is the answer; the length itself does not matter.
        static_cast<void>(std::filesystem::file_size(pathFromUtf8(fileSpec), error));
        return !error;
    } catch (const std::system_error&) {
        return false; // a text that is no UTF-8 names no file on Windows
    }
}

std::string cFileDlg::VBGetFileTitle(std::string_view path)
{
    try {
        const std::filesystem::path name = pathFromUtf8(path).filename();
        if (name == "." || name == "..")
            return {};
        return utf8Of(name);
    } catch (const std::system_error&) {
        return {}; // a text that is no UTF-8 names no file on Windows
    }
}

} // namespace orvane
