// SPDX-License-Identifier: MIT
#include "mainwindow/ToolWindowHub.h"

#include "mainwindow/MainActions.h"
#include "mainwindow/MainToolbar.h"
#include "toolwindows/FavoritesWindow.h"
#include "toolwindows/HarmoniesWindow.h"
#include "toolwindows/HistoryWindow.h"
#include "toolwindows/PaletteWindow.h"
#include "webpreview/WebPreviewWindow.h"

#include <QAction>
#include <QScreen>
#include <algorithm>

namespace orvane {

ToolWindowHub::ToolWindowHub(AppState& state, const MainActions& actions,
                             const MainToolbar& toolbar, std::function<ColorValue()> currentColor,
                             const SimulatedVision& vision, FileDialogBackend& dialogs,
                             MessageBoxes& messages, QWidget* mainWindow)
    : QObject(mainWindow), state_(state), currentColor_(std::move(currentColor)), vision_(vision),
      dialogs_(dialogs), messages_(messages), mainWindow_(mainWindow)
{
    const auto toggleOf = [&toolbar](QAction* item, int button, const ToggleCaptions& captions) {
        return Toggle{item, toolbar.button(button), MainActions::tr(captions.show),
                      MainActions::tr(captions.other)};
    };
    toggles_[FavoritesTool] = toggleOf(actions.showFavorites, 13, kFavoritesCaptions);
    toggles_[HarmoniesTool] = toggleOf(actions.showHarmonies, 15, kHarmoniesCaptions);
    toggles_[HistoryTool] = toggleOf(actions.showHistory, 14, kHistoryCaptions);
    toggles_[WebPreviewTool] = toggleOf(actions.showWebPreview, 16, kWebPreviewCaptions);
    for (int tool = 0; tool < kToolWindowCount; ++tool) {
        connect(toggles_[tool].menuItem, &QAction::triggered, this,
                [this, tool] { toggle(static_cast<ToolWindowIndex>(tool)); });
    }
}

void ToolWindowHub::toggle(ToolWindowIndex tool)
{
    Toggle& toggle = toggles_[tool];
    if (toggle.menuItem->text() != toggle.showCaption) {
        if (ToolWindow* open = window(tool))
            open->close(); // its closed signal resets the toggle
        else
            closed(tool);
        return;
    }
    toggle.menuItem->setText(toggle.hideCaption);
    toggle.button->setChecked(true);
    ToolWindow* shown = window(tool);
    if (shown == nullptr)
        shown = create(tool);
    shown->placeAtStoredPosition();
    shown->show();
}

ToolWindow* ToolWindowHub::window(ToolWindowIndex tool) const
{
    switch (tool) {
    case FavoritesTool:
        return favorites_;
    case HarmoniesTool:
        return harmonies_;
    case HistoryTool:
        return history_;
    case WebPreviewTool:
        return webPreview_;
    }
    return nullptr;
}

ToolWindow* ToolWindowHub::create(ToolWindowIndex tool)
{
    ToolWindow* created = nullptr;
    switch (tool) {
    case FavoritesTool:
        favorites_ = new FavoritesWindow(state_, currentColor_, mainWindow_);
        connect(favorites_, &FavoritesWindow::colorChosenWithUndo, this,
                &ToolWindowHub::colorChosenWithUndo);
        connect(favorites_, &FavoritesWindow::popupRequested, this,
                [this](QPoint position) { emit popupRequested(position, false); });
        created = favorites_;
        break;
    case HarmoniesTool:
        harmonies_ = new HarmoniesWindow(state_, mainWindow_);
        connect(harmonies_, &HarmoniesWindow::colorChosenWithUndo, this,
                &ToolWindowHub::colorChosenWithUndo);
        connect(harmonies_, &HarmoniesWindow::popupRequested, this,
                [this](QPoint position) { emit popupRequested(position, true); });
        created = harmonies_;
        break;
    case HistoryTool:
        history_ = new HistoryWindow(state_, mainWindow_);
        connect(history_, &HistoryWindow::colorChosenWithoutUndo, this,
                &ToolWindowHub::colorChosenWithoutUndo);
        created = history_;
        break;
    case WebPreviewTool:
        webPreview_ = new WebPreviewWindow(state_, currentColor_, dialogs_, messages_, mainWindow_);
        connect(webPreview_, &WebPreviewWindow::popupRequested, this,
                [this](QPoint position) { emit popupRequested(position, true); });
        created = webPreview_;
        break;
    }
    created->drawFor(vision_);
    connect(created, &ToolWindow::closed, this, [this, tool] { closed(tool); });
    return created;
}

void ToolWindowHub::closed(ToolWindowIndex tool)
{
    // A closed window is deleted only once control returns to the event loop; forgetting it
    // now makes a reopening in the same step build a new window instead of reviving this one.
    switch (tool) {
    case FavoritesTool:
        favorites_ = nullptr;
        break;
    case HarmoniesTool:
        harmonies_ = nullptr;
        break;
    case HistoryTool:
        history_ = nullptr;
        break;
    case WebPreviewTool:
        webPreview_ = nullptr;
        break;
    }
    Toggle& toggle = toggles_[tool];
    toggle.menuItem->setText(toggle.showCaption);
    toggle.button->setChecked(false);
}

void ToolWindowHub::reopen()
{
    for (int tool = 0; tool < kToolWindowCount; ++tool) {
        if (isSet(state_.ToolVisible[tool]))
            toggle(static_cast<ToolWindowIndex>(tool));
    }
}

void ToolWindowHub::store()
{
    for (int tool = 0; tool < kToolWindowCount; ++tool) {
        ToolWindow* open = window(static_cast<ToolWindowIndex>(tool));
        const bool shown = open != nullptr && open->isVisible();
        state_.ToolVisible[tool] = toFlag(shown);
        if (shown)
            open->storePosition();
    }
    // The preview keeps its colours to itself until it closes; they must not be lost when the
    // program ends with the preview open.
    if (webPreview_)
        webPreview_->storeColors();
}

void ToolWindowHub::closeAll()
{
    for (int tool = 0; tool < kToolWindowCount; ++tool) {
        if (ToolWindow* open = window(static_cast<ToolWindowIndex>(tool)))
            open->close();
    }
}

void ToolWindowHub::ReHar()
{
    if (harmonies_)
        harmonies_->ReHar();
}

void ToolWindowHub::SetFavX(int slot)
{
    if (favorites_)
        favorites_->SetFavX(slot);
}

std::array<ColorValue, kWebColorCount> ToolWindowHub::webColors() const
{
    return webPreview_ ? webPreview_->elementColors() : state_.WebColors;
}

void ToolWindowHub::showPalette(const Palette& palette)
{
    const bool opening = !palette_;
    if (opening) {
        palette_ = new PaletteWindow(state_, paletteLeft_, paletteTop_, mainWindow_);
        palette_->drawFor(vision_);
        connect(palette_, &PaletteWindow::colorChosenWithUndo, this,
                &ToolWindowHub::colorChosenWithUndo);
        connect(palette_, &PaletteWindow::popupRequested, this,
                [this](QPoint position) { emit popupRequested(position, true); });
        // Forgotten at once, as the other windows are, so that an import right after closing
        // builds a new window instead of filling the one about to go.
        connect(palette_, &ToolWindow::closed, this, [this] { palette_ = nullptr; });
    }
    palette_->showPalette(palette);
    if (opening) {
        if (!palettePlaced_) {
            // Right of the main window, as far as the screen leaves room for it.
            const QRect frame = mainWindow_->frameGeometry();
            const QRect screen = mainWindow_->screen()->availableGeometry();
            const int left = std::min(frame.right() + 1, screen.right() + 1 - palette_->width());
            paletteLeft_ = pixelsToStoredTwips(std::max(screen.left(), left));
            paletteTop_ = pixelsToStoredTwips(frame.top());
            palettePlaced_ = true;
        }
        palette_->placeAtStoredPosition();
    }
    palette_->show();
    palette_->raise();
}

} // namespace orvane
