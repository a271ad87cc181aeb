#pragma once

#include "core/AppState.h"
#include "core/UndoHistory.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ValueEntryPanel.h"
#include "widgets/SwatchWidget.h"
#include "widgets/ToolWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <optional>
#include <string>

namespace orvane::test {

// Rules that hold between any two user actions, whatever they were: the undo history and its
// menu items, the colours shown and stored, the value boxes and the tool-window toggles.
// Returns the first rule found broken, or nothing. storedColoursValid is false after a scheme
// file of arbitrary bytes, whose favourite and web colours the program keeps as they are.
inline std::optional<std::string> brokenInvariant(MainWindow& window, const AppState& state,
                                                  bool storedColoursValid = true)
{
    const MainActions& menu = window.actions();
    if (state.UndoPos < 1 || state.UndoPos > kUndoLastSlot)
        return "the undo cursor " + std::to_string(state.UndoPos) + " is outside 1..50";
    for (int slot = 1; slot <= state.UndoPos; ++slot) {
        if (!isValidColor(state.UndoColors[slot]))
            return "undo slot " + std::to_string(slot) + " holds no colour";
    }
    if (menu.undo->isEnabled() != canUndo(state) || menu.redo->isEnabled() != canRedo(state))
        return "Undo or Redo is enabled wrongly at " + std::to_string(state.UndoPos);
    for (int index = 0; index <= kCurrentSwatch; ++index) {
        if (!isValidColor(window.swatch(index)->color()))
            return "swatch " + std::to_string(index) + " shows no colour";
    }
    for (const ColorValue color : state.FavColors) {
        if (storedColoursValid && color != kNoColor && !isValidColor(color))
            return "a favourite holds no colour";
    }
    for (const ColorValue color : state.WebColors) {
        if (storedColoursValid && !isValidColor(color))
            return "a stored web preview colour is no colour";
    }

    // Every edit settles a channel box, so between actions it holds a number 0-255.
    static const QRegularExpression channelForm(QStringLiteral("^[0-9]{1,3}$"));
    static const QRegularExpression hexForm(QStringLiteral("^[0-9A-Fa-f]{0,6}$"));
    for (int channel = 0; channel < 3; ++channel) {
        const QString text = window.valueEntry()->channelBox(channel)->text();
        if (!channelForm.match(text).hasMatch() || text.toInt() > 255)
            return "a channel box holds \"" + text.toStdString() + '"';
    }
    if (!hexForm.match(window.valueEntry()->hexText()).hasMatch())
        return "the HEX box holds \"" + window.valueEntry()->hexText().toStdString() + '"';

    // Indexed by ToolWindowIndex: each toggle's menu item and toolbar button.
    const std::pair<QAction*, const char*> toggles[] = {{menu.showFavorites, "Toolbar1_13"},
                                                        {menu.showHarmonies, "Toolbar1_15"},
                                                        {menu.showHistory, "Toolbar1_14"},
                                                        {menu.showWebPreview, "Toolbar1_16"}};
    for (int tool = 0; tool < kToolWindowCount; ++tool) {
        const ToolWindow* open = window.toolWindow(static_cast<ToolWindowIndex>(tool));
        const bool isOpen = open != nullptr && open->isVisible();
        const auto& [item, button] = toggles[tool];
        if (item->text().startsWith(QLatin1String("Hide")) != isOpen ||
            window.findChild<QAction*>(QLatin1String(button))->isChecked() != isOpen)
            return item->text().toStdString() + " or " + button +
                   " misreads whether the window is open";
    }
    return std::nullopt;
}

} // namespace orvane::test
