// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QWidget;

namespace orvane {

class FavoritesWindow;
class FileDialogBackend;
class HarmoniesWindow;
class HistoryWindow;
class MainToolbar;
class MessageBoxes;
class PaletteWindow;
class SimulatedVision;
class ToolWindow;
class WebPreviewWindow;
struct MainActions;
struct Palette;

// The four tool windows the View menu toggles: each made the first time it is shown, drawn for
// the vision, its View item and toolbar button kept in step with it, and where it stands kept in
// the shared state. Also the Palette window that importing a palette opens.
class ToolWindowHub : public QObject {
    Q_OBJECT
public:
    // currentColor reads the main window's current-colour swatch; the windows are children of
    // mainWindow.
    ToolWindowHub(AppState& state, const MainActions& actions, const MainToolbar& toolbar,
                  std::function<ColorValue()> currentColor, const SimulatedVision& vision,
                  FileDialogBackend& dialogs, MessageBoxes& messages, QWidget* mainWindow);

    // The show/hide toggle of a tool window, as the View menu and the toolbar run it.
    void toggle(ToolWindowIndex tool);
    // The tool window when it is open, else nothing.
    ToolWindow* window(ToolWindowIndex tool) const;
    // Opens the windows ToolVisible records as open.
    void reopen();
    // Writes which windows are open, where they stand and the preview's colours into the state.
    void store();
    void closeAll();

    // Harmonies' ReHar and Favorites' SetFavX, when that window is open.
    void ReHar();
    void SetFavX(int slot);

    // The web page's colours: the open preview's, else the stored ones.
    std::array<ColorValue, kWebColorCount> webColors() const;
    // Shows the palette in the Palette window, which opens beside the main window the first
    // time and where it was left after that.
    void showPalette(const Palette& palette);

signals:
    // A colour a window chose should become current, recorded for undo or not.
    void colorChosenWithUndo(orvane::ColorValue color);
    void colorChosenWithoutUndo(orvane::ColorValue color);
    // PopupColor is set; the popup should open at this point.
    void popupRequested(QPoint globalPosition, bool withFavoriteSlots);

private:
    ToolWindow* create(ToolWindowIndex tool);
    void closed(ToolWindowIndex tool);

    AppState& state_;
    std::function<ColorValue()> currentColor_;
    const SimulatedVision& vision_;
    FileDialogBackend& dialogs_;
    MessageBoxes& messages_;
    QWidget* mainWindow_;

    // The View item, toolbar button and captions of each tool window's toggle.
    struct Toggle {
        QAction* menuItem = nullptr;
        QAction* button = nullptr;
        QString showCaption;
        QString hideCaption;
    };
    std::array<Toggle, kToolWindowCount> toggles_{};
    QPointer<FavoritesWindow> favorites_;
    QPointer<HarmoniesWindow> harmonies_;
    QPointer<HistoryWindow> history_;
    QPointer<WebPreviewWindow> webPreview_;
    QPointer<PaletteWindow> palette_;
    // Where the Palette window stands; it is not one of the windows the settings keep.
    std::int16_t paletteLeft_ = 0;
    std::int16_t paletteTop_ = 0;
    bool palettePlaced_ = false;
};

} // namespace orvane
