// SPDX-License-Identifier: MIT
#pragma once

#include "filedialog/FileDialogBackend.h"

#include <windows.h>

#include <commdlg.h>

namespace orvane {

// Shows the file dialogs with the Windows common dialogs and finds special folders with the
// shell. The record's texts are UTF-8; Windows is handed them, and hands them back, as UTF-16.
class Win32FileDialogBackend : public FileDialogBackend {
public:
    // A hook procedure every dialog runs with, and what it finds in the record's lCustData: lets
    // a test work the dialog as a user would.
    struct Hook {
        LPOFNHOOKPROC procedure = nullptr;
        LPARAM data = 0;
    };

    Win32FileDialogBackend() = default;
    explicit Win32FileDialogBackend(Hook hook) : hook_(hook) {}

    std::optional<DialogChoice> run(const DialogRecord& record) override;
    std::optional<std::string> specialFolder(int folderId) override;

    // Why the last dialog gave no choice: 0 when the user cancelled, else the dialog's extended
    // error, such as FNERR_BUFFERTOOSMALL for chosen names the file buffer cannot hold,
    // CDERR_INITIALIZATION for a record text that is no UTF-8 and FNERR_INVALIDFILENAME for a
    // chosen name that is no UTF-16.
    DWORD lastError() const { return lastError_; }

private:
    Hook hook_;
    DWORD lastError_ = 0;
};

} // namespace orvane
