#include "mainwindow/WebSafePalette.h"

#include "widgets/SimulatedVision.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

WebSafePalette::WebSafePalette(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setAccessibleName(tr("Web-safe palette"));
}

void WebSafePalette::setCellColor(int cell, ColorValue color)
{
    cells_[cell] = color;
    update();
}

void WebSafePalette::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    vision.redrawWhenChanged(this);
}

QPoint WebSafePalette::cellCentre(int cell)
{
    const int row = cell / kWebSafeColumns;
    const int column = cell % kWebSafeColumns;
    return {column * kWebSafeCellPitch + kWebSafeCellSize / 2,
            row * kWebSafeCellPitch + kWebSafeCellSize / 2};
}

void WebSafePalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(64, 64, 64));
    for (int cell = 0; cell < kWebSafeCellCount; ++cell) {
        const QPoint centre = cellCentre(cell);
        const QRect box(centre.x() - kWebSafeCellSize / 2, centre.y() - kWebSafeCellSize / 2,
                        kWebSafeCellSize, kWebSafeCellSize);
        painter.fillRect(box, shownColor(vision_, cells_[cell]));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

int WebSafePalette::cellAt(const QMouseEvent* event) const
{
    const QPoint position = event->position().toPoint();
    return webSafeCellAt(position.x(), position.y());
}

void WebSafePalette::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = cellAt(event);
    if (cell >= 0)
        emit cellHovered(cell);
}

void WebSafePalette::mousePressEvent(QMouseEvent* event)
{
    const int cell = cellAt(event);
    if (cell >= 0)
        emit cellPressed(cell);
}

} // namespace orvane
