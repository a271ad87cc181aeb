// SPDX-License-Identifier: MIT
#pragma once

#include "filedialog/DialogRecord.h"
#include "filedialog/FileDialogBackend.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {

// The open and save file dialogs behind a set of properties: a caller makes a fresh object,
// sets what it needs, runs one dialog and reads the outcome. The dialog itself is shown by the
// backend, which must outlive the object.
class cFileDlg {
public:
    // Classic folder id of the user's documents folder, where dialogs start by default.
    static constexpr int kPersonalFolder = 5;

    explicit cFileDlg(FileDialogBackend& backend);

    // -1 for no owner window.
    std::int64_t OwnerHwnd() const { return OwnerHwnd_; }
    void setOwnerHwnd(std::int64_t value) { OwnerHwnd_ = value; }
    bool FileMustExist() const { return FileMustExist_; }
    void setFileMustExist(bool value) { FileMustExist_ = value; }
    bool MultiSelect() const { return MultiSelect_; }
    void setMultiSelect(bool value) { MultiSelect_ = value; }
    // Becomes true after an open dialog returned with its read-only box ticked, and stays so.
    bool ReadOnly() const { return ReadOnly_; }
    bool HideReadOnly() const { return HideReadOnly_; }
    void setHideReadOnly(bool value) { HideReadOnly_ = value; }
    // Descriptions and patterns in turn, separated by '|'; after a confirmed dialog, the chosen
    // description and pattern joined by '\0'.
    const std::string& Filter() const { return Filter_; }
    void setFilter(std::string value) { Filter_ = std::move(value); }
    // 1-based; after a dialog, the filter chosen in it.
    std::int32_t FilterIndex() const { return FilterIndex_; }
    void setFilterIndex(std::int32_t value) { FilterIndex_ = value; }
    const std::string& InitDirectory() const { return InitDirectory_; }
    void setInitDirectory(std::string value) { InitDirectory_ = std::move(value); }
    // Starts in a special folder given by its classic id; empty when the backend knows none.
    void setInitDirectorySpecial(int folderId);
    const std::string& DlgTitle() const { return DlgTitle_; }
    void setDlgTitle(std::string value) { DlgTitle_ = std::move(value); }
    const std::string& DefaultExt() const { return DefaultExt_; }
    void setDefaultExt(std::string value) { DefaultExt_ = std::move(value); }
    // Extra dialog flags; after a dialog, the flags it returned.
    std::int32_t Flags() const { return Flags_; }
    void setFlags(std::int32_t value) { Flags_ = value; }
    bool OverwritePrompt() const { return OverwritePrompt_; }
    void setOverwritePrompt(bool value) { OverwritePrompt_ = value; }

    // Each runs its dialog starting from fileName (and fileTitle when given). True when the user
    // confirmed a file: fileName then holds its path and fileTitle its name. False when the
    // dialog was cancelled or failed: both then hold a single '\0'.
    bool VBGetOpenFileName(std::string& fileName, std::string* fileTitle = nullptr);
    bool VBGetOpenFileNamePreview(std::string& fileName, std::string* fileTitle = nullptr);
    bool VBGetSaveFileName(std::string& fileName, std::string* fileTitle = nullptr);

    // True when fileSpec names a file whose length can be read; false for a folder.
    static bool ExistFile(std::string_view fileSpec);
    // The file name part of a path; empty when the path ends without one.
    static std::string VBGetFileTitle(std::string_view path);

private:
    bool runDialog(DialogKind kind, std::string& fileName, std::string* fileTitle);
    std::int32_t openFlags() const;
    std::int32_t saveFlags() const;

    FileDialogBackend& backend_;
    bool FileMustExist_ = true;
    bool MultiSelect_ = false;
    bool ReadOnly_ = false;
    bool HideReadOnly_ = true;
    std::string Filter_;
    std::int32_t FilterIndex_ = 0;
    std::string InitDirectory_;
    std::string DlgTitle_ = "Orvane";
    std::string DefaultExt_;
    std::int32_t Flags_ = 0;
    bool OverwritePrompt_ = true;
    std::int64_t OwnerHwnd_ = -1;
};

} // namespace orvane
