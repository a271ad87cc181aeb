// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Palettes.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace orvane {

class SimulatedVision;

// The grid of 216 web-safe cells. Each cell is 11 pixels square and placed every 10 pixels, so
// a later cell covers the edge of the one before it. From the keyboard, the arrow keys move a
// focus cell, which is reported as pointing at it is, and Enter or Space press it; its colour is
// in the grid's accessible name.
class WebSafePalette : public QWidget {
    Q_OBJECT
public:
    explicit WebSafePalette(QWidget* parent = nullptr);

    void setCellColor(int cell, ColorValue color);
    ColorValue cellColor(int cell) const { return cells_[cell]; }
    // Draws the cells as this vision sees them from now on.
    void drawFor(const SimulatedVision& vision);
    // Where a cell is drawn, in the palette's coordinates.
    static QRect cellBox(int cell);

signals:
    void cellHovered(int cell);
    void cellPressed(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int cellAt(const QMouseEvent* event) const;
    void updateAccessibleName();

    std::array<ColorValue, kWebSafeCellCount> cells_{};
    int focusCell_ = 0;
    QPointer<const SimulatedVision> vision_;
};

} // namespace orvane
