// SPDX-License-Identifier: MIT
#include "filedialog/QtFileDialogBackend.h"
#include "filedialog/FileFilter.h"
#include "filedialog/cFileDlg.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;
// Each record names only the fields its case sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// Only the overwrite bit makes a save ask; Qt asks by default. The end-to-end web page export
// runs a real dialog.
TEST(QtFileDialogBackendTest, RecordsConfigureTheDialog)
{
    using F = QFileDialog;
    const std::tuple<DialogKind, std::int32_t, F::AcceptMode, F::FileMode, bool> cases[] = {
        {DialogKind::Open, kOfnFileMustExist | kOfnHideReadOnly, F::AcceptOpen, F::ExistingFile, 0},
        {DialogKind::OpenWithPreview, kOfnAllowMultiSelect, F::AcceptOpen, F::ExistingFiles, 0},
        {DialogKind::Open, kOfnHideReadOnly, F::AcceptOpen, F::AnyFile, 0},
        {DialogKind::Save, kOfnOverwritePrompt, F::AcceptSave, F::AnyFile, false},
        {DialogKind::Save, kOfnHideReadOnly, F::AcceptSave, F::AnyFile, true},
    };
    for (const auto& [kind, flags, accept, mode, dontConfirm] : cases) {
        QFileDialog dialog;
        dialog.setOption(F::DontConfirmOverwrite, !dontConfirm);
        QtFileDialogBackend::configureDialog(dialog, {.kind = kind, .flags = flags});
        EXPECT_EQ(dialog.acceptMode(), accept);
        EXPECT_EQ(dialog.fileMode(), mode) << flags;
        EXPECT_TRUE(kind != DialogKind::Save ||
                    dialog.testOption(F::DontConfirmOverwrite) == dontConfirm);
    }

    // Filter entries become name filters, one of them preselected.
    const std::string filter = convertFilter("Pages|*.html;*.htm|Text|*.txt; *.log|All|*.*");
    EXPECT_EQ(QtFileDialogBackend::nameFilters(filter),
              (QStringList{"Pages (*.html *.htm)", "Text (*.txt *.log)", "All (*)"}));
    for (const std::int32_t index : {-1, 0, 1, 2, 4}) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QtFileDialogBackend::configureDialog(dialog, {.filter = filter, .filterIndex = index});
        EXPECT_EQ(dialog.selectedNameFilter(),
                  index == 2 ? "Text (*.txt *.log)" : "Pages (*.html *.htm)")
            << index;
    }

    // A save dialog's default extension follows the filter chosen, as the classic one does.
    const std::string palettes = convertFilter("Palette|*.gpl|Sheet|*.css;*.txt|Any|*.*");
    QFileDialog save;
    save.setOption(QFileDialog::DontUseNativeDialog);
    QtFileDialogBackend::configureDialog(save, {.kind = DialogKind::Save,
                                                .filter = palettes,
                                                .filterIndex = 2,
                                                .defaultExtension = "gpl"});
    EXPECT_EQ(save.defaultSuffix(), "css");
    for (const auto& [chosen, suffix] : {std::pair{"Any (*)", "gpl"},
                                         {"Palette (*.gpl)", "gpl"},
                                         {"Sheet (*.css *.txt)", "css"}}) {
        emit save.filterSelected(chosen);
        EXPECT_EQ(save.defaultSuffix(), suffix) << chosen;
    }

    // A start at a file opens its folder; the owner and the special folders come from the system.
    QTemporaryDir dir;
    std::ofstream((dir.path() + "/chosen.vrx").toStdString()) << "x";
    DialogRecord record{.initialDirectory = (dir.path() + "/chosen.vrx").toStdString()};
    QFileDialog besideFile;
    QtFileDialogBackend::configureDialog(besideFile, record);
    EXPECT_EQ(besideFile.directory().absolutePath(), dir.path());
    QWidget owner;
    record.owner = static_cast<std::int64_t>(owner.winId());
    EXPECT_EQ(QtFileDialogBackend::ownerOf(record), &owner);
    QtFileDialogBackend backend;
    EXPECT_EQ(cFileDlg(backend).InitDirectory(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    EXPECT_EQ(backend.specialFolder(1234), std::nullopt);
}

} // namespace
} // namespace orvane
