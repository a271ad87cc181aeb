// SPDX-License-Identifier: MIT
#include "mainwindow/ToolbarIcons.h"

#include "widgets/DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace orvane {

namespace {

constexpr int kSize = 32;

void drawArrow(QPainter& painter, bool pointsLeft)
{
    QPainterPath arrow;
    const double tip = pointsLeft ? 5 : kSize - 5;
    const double base = pointsLeft ? 17 : kSize - 17;
    const double tail = pointsLeft ? kSize - 5 : 5;
    arrow.moveTo(tip, 16);
    arrow.lineTo(base, 5);
    arrow.lineTo(base, 11);
    arrow.lineTo(tail, 11);
    arrow.lineTo(tail, 21);
    arrow.lineTo(base, 21);
    arrow.lineTo(base, 27);
    arrow.closeSubpath();
    painter.setBrush(QColor(0x33, 0x23, 0xE7));
    painter.drawPath(arrow);
}

void drawDisc(QPainter& painter, const QColor& fill, const QString& mark)
{
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(4, 4, kSize - 8, kSize - 8));
    if (mark.isEmpty())
        return;
    painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 3));
    painter.drawLine(QPointF(10, 16), QPointF(22, 16));
    if (mark == QLatin1String("+"))
        painter.drawLine(QPointF(16, 10), QPointF(16, 22));
}

void drawWebSafeGrid(QPainter& painter)
{
    const QColor cells[3][3] = {{QColor(255, 0, 0), QColor(255, 204, 0), QColor(0, 153, 0)},
                                {QColor(0, 102, 255), QColor(153, 0, 204), QColor(255, 102, 51)},
                                {QColor(0, 0, 0), QColor(153, 153, 153), QColor(255, 255, 255)}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(cells[row][column]);
            painter.drawRect(QRectF(3 + column * 9, 3 + row * 9, 8, 8));
        }
    }
}

void drawStar(QPainter& painter)
{
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? 13 : 5.5;
        const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        star << QPointF(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
    }
    painter.setBrush(QColor(250, 200, 30));
    painter.drawPolygon(star);
}

void drawClock(QPainter& painter)
{
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(4, 4, kSize - 8, kSize - 8));
    painter.setPen(QPen(QColor(40, 40, 40), 2.5));
    painter.drawLine(QPointF(16, 16), QPointF(16, 8));
    painter.drawLine(QPointF(16, 16), QPointF(22, 19));
}

void drawOverlappingSquares(QPainter& painter)
{
    const QColor colors[3] = {QColor(230, 40, 40), QColor(40, 180, 70), QColor(40, 80, 230)};
    for (int square = 0; square < 3; ++square) {
        painter.setBrush(colors[square]);
        painter.drawRect(QRectF(3 + square * 7, 3 + square * 7, 13, 13));
    }
}

void drawFolder(QPainter& painter)
{
    painter.setBrush(QColor(240, 200, 90));
    painter.drawRect(QRectF(3, 9, 26, 18));
    painter.drawRect(QRectF(3, 6, 11, 4));
}

void drawDisk(QPainter& painter)
{
    painter.setBrush(QColor(50, 80, 160));
    painter.drawRect(QRectF(4, 4, 24, 24));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 4, 14, 9));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(8, 18, 16, 10));
}

void drawPage(QPainter& painter)
{
    painter.setBrush(QColor(255, 135, 0));
    painter.drawRect(QRectF(3, 4, 26, 24));
    painter.setBrush(QColor(65, 50, 209));
    painter.drawRect(QRectF(6, 7, 20, 5));
    painter.setBrush(QColor(125, 189, 33));
    painter.drawRect(QRectF(6, 12, 6, 13));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12, 12, 14, 13));
}

void drawMagnifier(QPainter& painter)
{
    painter.setBrush(QColor(180, 220, 250));
    painter.drawEllipse(QRectF(4, 4, 17, 17));
    painter.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
}

void paintPicture(QPainter& painter, ToolbarPicture picture)
{
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    switch (picture) {
    case ToolbarPicture::Open:
        drawFolder(painter);
        break;
    case ToolbarPicture::Save:
        drawDisk(painter);
        break;
    case ToolbarPicture::Back:
        drawArrow(painter, true);
        break;
    case ToolbarPicture::Forward:
        drawArrow(painter, false);
        break;
    case ToolbarPicture::ScreenPicker:
        drawMagnifier(painter);
        break;
    case ToolbarPicture::MakeWebSafe:
        drawWebSafeGrid(painter);
        break;
    case ToolbarPicture::Lighten:
        drawDisc(painter, QColor(250, 230, 150), QStringLiteral("+"));
        break;
    case ToolbarPicture::Darken:
        drawDisc(painter, QColor(90, 70, 20), QStringLiteral("-"));
        break;
    case ToolbarPicture::Saturate:
        drawDisc(painter, QColor(230, 20, 60), QStringLiteral("+"));
        break;
    case ToolbarPicture::Desaturate:
        drawDisc(painter, QColor(150, 130, 135), QStringLiteral("-"));
        break;
    case ToolbarPicture::Favorites:
        drawStar(painter);
        break;
    case ToolbarPicture::History:
        drawClock(painter);
        break;
    case ToolbarPicture::Harmonies:
        drawOverlappingSquares(painter);
        break;
    case ToolbarPicture::WebPreview:
        drawPage(painter);
        break;
    }
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture)
{
    return drawnIcon(kSize, [picture](QPainter& painter) { paintPicture(painter, picture); });
}

} // namespace orvane
