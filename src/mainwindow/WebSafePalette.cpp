// SPDX-License-Identifier: MIT
#include "mainwindow/WebSafePalette.h"

#include "widgets/KeyboardUse.h"
#include "widgets/QtConversions.h"
#include "widgets/SimulatedVision.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvane {

WebSafePalette::WebSafePalette(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setFocusPolicy(Qt::TabFocus);
    updateAccessibleName();
}

void WebSafePalette::setCellColor(int cell, ColorValue color)
{
    cells_[cell] = color;
    if (cell == focusCell_)
        updateAccessibleName();
    update();
}

void WebSafePalette::updateAccessibleName()
{
    setAccessibleName(tr("Web-safe palette, %1").arg(qText(hashHex(cells_[focusCell_]))));
}

void WebSafePalette::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    vision.redrawWhenChanged(this);
}

QRect WebSafePalette::cellBox(int cell)
{
    return {cell % kWebSafeColumns * kWebSafeCellPitch, cell / kWebSafeColumns * kWebSafeCellPitch,
            kWebSafeCellSize, kWebSafeCellSize};
}

void WebSafePalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(64, 64, 64));
    for (int cell = 0; cell < kWebSafeCellCount; ++cell) {
        const QRect box = cellBox(cell);
        painter.fillRect(box, shownColor(vision_, cells_[cell]));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        drawFocusFrame(painter, cellBox(focusCell_));
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

void WebSafePalette::keyPressEvent(QKeyEvent* event)
{
    const QPoint step = arrowStep(event);
    if (isActivationKey(event)) {
        emit cellPressed(focusCell_);
    } else if (!step.isNull()) {
        const int row = std::clamp(focusCell_ / kWebSafeColumns + step.y(), 0, kWebSafeRows - 1);
        const int column =
            std::clamp(focusCell_ % kWebSafeColumns + step.x(), 0, kWebSafeColumns - 1);
        const int moved = row * kWebSafeColumns + column;
        if (moved == focusCell_)
            return; // at the edge
        focusCell_ = moved;
        updateAccessibleName();
        update();
        emit cellHovered(focusCell_);
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace orvane
