// SPDX-License-Identifier: MIT
#pragma once

#include "filedialog/DialogChoice.h"
#include "filedialog/DialogRecord.h"

#include <optional>
#include <string>

namespace orvane {

// Runs the file dialogs and answers folder lookups for cFileDlg: the program's backend shows
// real dialogs, a test's backend answers from a script.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // Shows the dialog and waits for it; nothing when it was cancelled or failed.
    virtual std::optional<DialogChoice> run(const DialogRecord& record) = 0;
    // The path of a special folder given by its classic folder id (5 = the user's documents);
    // nothing for an id the backend does not know or a folder it cannot find.
    virtual std::optional<std::string> specialFolder(int folderId) = 0;
};

} // namespace orvane
