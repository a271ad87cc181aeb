// SPDX-License-Identifier: MIT
#include "webpreview/WebToolbarPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace orvane {

void paintSavePicture(QPainter& painter)
{
    const QPolygonF sheet({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}});
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);
    painter.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));

    painter.setPen(QPen(QColor(0x33, 0x23, 0xE7), 2));
    painter.drawLine(QPointF(8, 5), QPointF(8, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x33, 0x23, 0xE7));
    painter.drawPolygon(QPolygonF({{4.5, 9.5}, {11.5, 9.5}, {8, 13.5}}));
}

void paintResetPicture(QPainter& painter)
{
    // A circle left open at the upper right, its end pointing round against the clock.
    const QColor ink(30, 130, 60);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(3, 3, 10, 10), 70 * 16, 290 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygonF({{10.5, 8.5}, {15.5, 8.5}, {13, 4.5}}));
}

void paintContrastPicture(QPainter& painter)
{
    // A disc dark on one half and light on the other.
    const QRectF disc(2.5, 2.5, 11, 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawPie(disc, 90 * 16, 180 * 16);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
}

} // namespace orvane
