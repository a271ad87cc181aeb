// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"

#include <QObject>
#include <filesystem>

class QWidget;

namespace orvane {

class FileDialogBackend;
class MessageBoxes;
class ToolWindowHub;

// File > Open Scheme and Save Scheme, and the scheme file named on the command line: the file
// dialogs, reading and writing the record, and the messages when that fails.
class SchemeFileCommands : public QObject {
    Q_OBJECT
public:
    // owner is the main window: it owns the dialogs, and its title heads the messages.
    SchemeFileCommands(AppState& state, ToolWindowHub& toolWindows, FileDialogBackend& dialogs,
                       MessageBoxes& messages, QWidget* owner);

    void open();
    void save();
    // Opens StartupFile when it names a file.
    void openStartupFile();

signals:
    // The state is about to be written: the fields the record keeps should be brought up to date.
    void aboutToSave();
    // The state holds a file's record and the tool windows it records are open: its first
    // scheme colour should be shown and made current.
    void loaded();

private:
    // Replaces the persistent state with a scheme file's; false, changing nothing, when the
    // file cannot be read.
    bool load(const std::filesystem::path& path);
    void reportUnreadable(const std::filesystem::path& path);

    AppState& state_;
    ToolWindowHub& toolWindows_;
    FileDialogBackend& dialogs_;
    MessageBoxes& messages_;
    QWidget* owner_;
};

} // namespace orvane
