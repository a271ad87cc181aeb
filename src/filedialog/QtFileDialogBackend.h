// SPDX-License-Identifier: MIT
#pragma once

#include "filedialog/FileDialogBackend.h"

#include <QStringList>

class QFileDialog;
class QWidget;

namespace orvane {

// Shows the file dialogs with QFileDialog and finds special folders with QStandardPaths.
class QtFileDialogBackend : public FileDialogBackend {
public:
    std::optional<DialogChoice> run(const DialogRecord& record) override;
    std::optional<std::string> specialFolder(int folderId) override;

    // The window a record names as owner (its window id), or none.
    static QWidget* ownerOf(const DialogRecord& record);
    // Puts everything the record asks for into a dialog that has not been shown yet.
    static void configureDialog(QFileDialog& dialog, const DialogRecord& record);
    // The name filters a converted filter list becomes, in order.
    static QStringList nameFilters(const std::string& convertedFilter);
};

} // namespace orvane
