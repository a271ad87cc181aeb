// SPDX-License-Identifier: MIT
#include "mainwindow/SchemeFileCommands.h"

#include "core/SettingsRecord.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/ToolWindowHub.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtConversions.h"

#include <QWidget>

namespace orvane {

namespace {

void prepareSchemeDialog(cFileDlg& dialog, QWidget* owner)
{
    dialog.setDefaultExt("vrx");
    dialog.setFilter(SchemeFileCommands::tr("Orvane File (*.vrx)").toStdString() + "|*.vrx");
    dialog.setOwnerHwnd(static_cast<std::int64_t>(owner->winId()));
}

} // namespace

SchemeFileCommands::SchemeFileCommands(AppState& state, ToolWindowHub& toolWindows,
                                       FileDialogBackend& dialogs, MessageBoxes& messages,
                                       QWidget* owner)
    : QObject(owner), state_(state), toolWindows_(toolWindows), dialogs_(dialogs),
      messages_(messages), owner_(owner)
{
}

void SchemeFileCommands::open()
{
    cFileDlg dialog(dialogs_);
    prepareSchemeDialog(dialog, owner_);
    std::string path;
    if (!dialog.VBGetOpenFileName(path))
        return;
    if (!load(path))
        reportUnreadable(path);
}

void SchemeFileCommands::save()
{
    cFileDlg dialog(dialogs_);
    prepareSchemeDialog(dialog, owner_);
    std::string path;
    if (!dialog.VBGetSaveFileName(path))
        return;
    emit aboutToSave();
    const WriteResult result = SaveSettings(path, state_);
    if (result == WriteResult::NotARegularFile) {
        messages_.warning(owner_, owner_->windowTitle(),
                          tr("The scheme could not be saved to %1: it is not a regular file.")
                              .arg(pathToQString(path)));
    } else if (result == WriteResult::Failed) {
        messages_.warning(owner_, owner_->windowTitle(),
                          tr("The scheme could not be saved to %1.").arg(pathToQString(path)));
    }
}

void SchemeFileCommands::openStartupFile()
{
    const std::filesystem::path path = state_.StartupFile;
    // A path that names nothing, or a folder, is passed over in silence; anything else that
    // exists is opened, and reported when it is not a readable file.
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error) ||
        std::filesystem::is_directory(path, error))
        return;
    if (!load(path))
        reportUnreadable(path);
}

bool SchemeFileCommands::load(const std::filesystem::path& path)
{
    const std::optional<std::vector<std::uint8_t>> bytes = readRecordFile(path);
    if (!bytes)
        return false;
    toolWindows_.closeAll();
    decodeRecord(*bytes, state_);
    toolWindows_.reopen();
    emit loaded();
    return true;
}

void SchemeFileCommands::reportUnreadable(const std::filesystem::path& path)
{
    messages_.warning(
        owner_, owner_->windowTitle(),
        tr("The scheme file %1 could not be read.").arg(pathToQString(path.string())));
}

} // namespace orvane
