// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"
#include "core/Palette.h"

#include <QObject>
#include <filesystem>

class QWidget;

namespace orvane {

class FileDialogBackend;
class MessageBoxes;
class SchemeSwatchGrid;
class ToolWindowHub;
struct MainActions;

// File > Export Palette and Import Palette: the scheme written as a palette file in the format
// of the dialog's filter or of the typed extension, and a palette file of any of those formats,
// told by its content, shown in the Palette window. Failures are reported and change nothing.
class PaletteFileCommands : public QObject {
    Q_OBJECT
public:
    // Connects itself to the two actions. owner is the main window: it owns the dialogs, and
    // its title heads the messages.
    PaletteFileCommands(const AppState& state, const MainActions& actions,
                        const SchemeSwatchGrid& grid, ToolWindowHub& toolWindows,
                        FileDialogBackend& dialogs, MessageBoxes& messages, QWidget* owner);

    void exportPalette();
    void importPalette();

private:
    // The colours as they are shown now.
    ExportedScheme exportedScheme() const;
    void report(const QString& text);

    const AppState& state_;
    const MainActions& actions_;
    const SchemeSwatchGrid& grid_;
    ToolWindowHub& toolWindows_;
    FileDialogBackend& dialogs_;
    MessageBoxes& messages_;
    QWidget* owner_;
};

} // namespace orvane
