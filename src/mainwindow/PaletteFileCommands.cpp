// SPDX-License-Identifier: MIT
#include "mainwindow/PaletteFileCommands.h"

#include "core/AtomicFile.h"
#include "core/PaletteFiles.h"
#include "filedialog/cFileDlg.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/SchemeSwatchGrid.h"
#include "mainwindow/ToolWindowHub.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtConversions.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QWidget>

namespace orvane {

namespace {

// "GIMP Palette (*.gpl)|*.gpl|...", one entry a format in the order of kPaletteFormats.
std::string exportFilter()
{
    std::string filter;
    for (const PaletteFormatInfo& info : kPaletteFormats) {
        const std::string pattern = "*." + std::string(info.extension);
        filter += (filter.empty() ? "" : "|") +
                  PaletteFileCommands::tr(info.description).toStdString() + " (" + pattern + ")|" +
                  pattern;
    }
    return filter;
}

} // namespace

PaletteFileCommands::PaletteFileCommands(const AppState& state, const MainActions& actions,
                                         const SchemeSwatchGrid& grid, ToolWindowHub& toolWindows,
                                         FileDialogBackend& dialogs, MessageBoxes& messages,
                                         QWidget* owner)
    : QObject(owner), state_(state), actions_(actions), grid_(grid), toolWindows_(toolWindows),
      dialogs_(dialogs), messages_(messages), owner_(owner)
{
    connect(actions.exportPalette, &QAction::triggered, this, &PaletteFileCommands::exportPalette);
    connect(actions.importPalette, &QAction::triggered, this, &PaletteFileCommands::importPalette);
}

ExportedScheme PaletteFileCommands::exportedScheme() const
{
    ExportedScheme scheme;
    scheme.current = grid_.swatch(kCurrentSwatch)->color();
    scheme.mode =
        actions_.rgbColorWheel->isChecked() ? SchemeMode::ColorWheel : SchemeMode::GroupByColor;
    for (int index = 0; index < kSchemeSwatchCount; ++index)
        scheme.scheme[index] = grid_.swatch(index)->color();
    scheme.favorites = state_.FavColors;
    scheme.webPage = toolWindows_.webColors();
    return scheme;
}

void PaletteFileCommands::exportPalette()
{
    cFileDlg dialog(dialogs_);
    // The dialog gives a name typed without an extension that of the filter chosen.
    dialog.setDefaultExt(std::string(kPaletteFormats[0].extension));
    dialog.setFilter(exportFilter());
    dialog.setOwnerHwnd(static_cast<std::int64_t>(owner_->winId()));
    std::string path;
    if (!dialog.VBGetSaveFileName(path))
        return;
    const std::size_t filter = static_cast<std::size_t>(dialog.FilterIndex() - 1);
    const PaletteFormat format = formatOfExtension(path).value_or(
        filter < kPaletteFormats.size() ? kPaletteFormats[filter].format : PaletteFormat::Gpl);
    const WriteResult result = writeFileAtomically(path, encodeScheme(format, exportedScheme()));
    if (result == WriteResult::NotARegularFile)
        report(tr("The palette could not be saved to %1: it is not a regular file.")
                   .arg(pathToQString(path)));
    else if (result == WriteResult::Failed)
        report(tr("The palette could not be saved to %1.").arg(pathToQString(path)));
}

void PaletteFileCommands::importPalette()
{
    cFileDlg dialog(dialogs_);
    dialog.setFilter(tr("Palette Files (*.gpl;*.css;*.json;*.ase)").toStdString() +
                     "|*.gpl;*.css;*.json;*.ase|" + tr("All Files (*.*)").toStdString() + "|*.*");
    dialog.setOwnerHwnd(static_cast<std::int64_t>(owner_->winId()));
    std::string path;
    if (!dialog.VBGetOpenFileName(path))
        return;
    PaletteImport read = readPaletteFile(path);
    const QString shown = pathToQString(path);
    switch (read.problem) {
    case PaletteProblem::None:
        break;
    case PaletteProblem::Unreadable:
        return report(tr("The palette file %1 could not be read.").arg(shown));
    case PaletteProblem::TooLarge:
        return report(tr("The file %1 is larger than 4 MB, too large for a palette.").arg(shown));
    case PaletteProblem::NotAPalette:
        return report(tr("The file %1 is no palette Orvane can read: it is neither a GIMP "
                         "Palette nor CSS, JSON or Adobe Swatch Exchange.")
                          .arg(shown));
    case PaletteProblem::NoColors:
        return report(tr("The palette file %1 holds no colours.").arg(shown));
    }
    Palette& palette = read.reading.palette;
    if (palette.name.empty())
        palette.name = std::filesystem::path(path).stem().string();
    toolWindows_.showPalette(palette);
    const int skipped = read.reading.skipped;
    if (skipped > 0) {
        messages_.information(
            owner_, owner_->windowTitle(),
            skipped == 1
                ? tr("One entry of %1 could not be read and was left out.").arg(shown)
                : tr("%n entries of %1 could not be read and were left out.", nullptr, skipped)
                      .arg(shown));
    }
}

void PaletteFileCommands::report(const QString& text)
{
    messages_.warning(owner_, owner_->windowTitle(), text);
}

} // namespace orvane
