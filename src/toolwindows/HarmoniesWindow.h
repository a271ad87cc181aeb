// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"
#include "widgets/ToolWindow.h"

#include <QPoint>
#include <array>

class QComboBox;

namespace orvane {

class SwatchWidget;

// Shows the current colour's harmony of the kind chosen in the list as two or three
// overlapping squares.
class HarmoniesWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit HarmoniesWindow(AppState& state, QWidget* parent = nullptr);

    // Sets the squares from HarmonyColors for the chosen kind.
    void ReHar();

signals:
    // A square was double-clicked: its colour should become current (recorded for undo).
    void colorChosenWithUndo(orvane::ColorValue color);
    // PopupColor is set; the main window's popup should open at this point.
    void popupRequested(QPoint globalPosition);

protected:
    // Double clicks on the squares, which report presses and releases but not double clicks, and
    // the focus coming to a square.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releaseSquare(int index, Qt::MouseButton button, QPoint position);

    AppState& state_;
    QComboBox* kinds_ = nullptr;
    std::array<SwatchWidget*, 3> squares_{};
};

} // namespace orvane
