// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"
#include "widgets/ToolWindow.h"

#include <QPoint>
#include <cstdint>
#include <vector>

class QScrollArea;

namespace orvane {

class SwatchWidget;
struct Palette;

// A palette read from a file, captioned with its name: its colours as named swatches in a
// scrolling grid. A click makes a colour current, a right click opens the popup, and a swatch
// can be dragged onto whatever takes dropped colours.
class PaletteWindow : public ToolWindow {
    Q_OBJECT
public:
    // left and top keep where the window stands between openings.
    PaletteWindow(AppState& state, std::int16_t& left, std::int16_t& top,
                  QWidget* parent = nullptr);

    // Shows the palette in place of the one shown before.
    void showPalette(const Palette& palette);
    // The swatches in the palette's order.
    const std::vector<SwatchWidget*>& swatches() const { return swatches_; }
    // Swatches made later are drawn for the vision too.
    void drawFor(const SimulatedVision& vision) override;

signals:
    // A swatch was clicked: its colour should become current (recorded for undo).
    void colorChosenWithUndo(orvane::ColorValue color);
    // PopupColor is set; the main window's popup should open at this point.
    void popupRequested(QPoint globalPosition);

private:
    void released(const SwatchWidget& swatch, Qt::MouseButton button, QPoint position);

    AppState& state_;
    QScrollArea* scroll_ = nullptr;
    std::vector<SwatchWidget*> swatches_;
    const SimulatedVision* vision_ = nullptr;
};

} // namespace orvane
