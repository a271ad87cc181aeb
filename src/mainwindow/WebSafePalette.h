#pragma once

#include "colour/ColorValue.h"
#include "colour/Palettes.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace orvane {

class SimulatedVision;

// The grid of 216 web-safe cells. Each cell is 11 pixels square and placed every 10 pixels, so
// a later cell covers the edge of the one before it.
class WebSafePalette : public QWidget {
    Q_OBJECT
public:
    explicit WebSafePalette(QWidget* parent = nullptr);

    void setCellColor(int cell, ColorValue color);
    ColorValue cellColor(int cell) const { return cells_[cell]; }
    // Draws the cells as this vision sees them from now on.
    void drawFor(const SimulatedVision& vision);
    // The centre of a cell, in the palette's coordinates.
    static QPoint cellCentre(int cell);

signals:
    void cellHovered(int cell);
    void cellPressed(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int cellAt(const QMouseEvent* event) const;

    std::array<ColorValue, kWebSafeCellCount> cells_{};
    QPointer<const SimulatedVision> vision_;
};

} // namespace orvane
