// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"
#include "widgets/ToolWindow.h"

#include <QPoint>
#include <array>
#include <functional>

class QCheckBox;
class QFont;
class QLabel;
class QToolButton;

namespace orvane {

class SwatchWidget;

// The five favourite colours: a swatch, a clear button and the colour's values for each slot,
// and a box that keeps the window above all others.
class FavoritesWindow : public ToolWindow {
    Q_OBJECT
public:
    // currentColor reads the main window's current-colour swatch.
    FavoritesWindow(AppState& state, std::function<ColorValue()> currentColor,
                    QWidget* parent = nullptr);

    // Redraws one slot from FavColors.
    void SetFavX(int index);

signals:
    // A favourite was chosen as the current colour (recorded for undo).
    void colorChosenWithUndo(orvane::ColorValue color);
    // PopupColor is set; the popup should open at this point without its favourites submenu.
    void popupRequested(QPoint globalPosition);

private:
    void buildSlot(int index, const QFont& labelFont);
    void buildKeepOnTop();
    void swatchPressed(int index);
    void swatchReleased(int index, Qt::MouseButton button, QPoint position);
    void swatchDropped(int index, ColorValue color, bool fromItself);
    void clearSlot(int index);
    void updateCursor(int index);
    void setKeepOnTop(bool onTop);

    AppState& state_;
    std::function<ColorValue()> currentColor_;
    std::array<SwatchWidget*, kFavoriteSlots> swatches_{};
    std::array<QToolButton*, kFavoriteSlots> clearButtons_{};
    std::array<QLabel*, kFavoriteSlots> labels_{};
    QCheckBox* keepOnTop_ = nullptr;
};

} // namespace orvane
