// SPDX-License-Identifier: MIT
#include "widgets/KeyboardUse.h"

#include <QKeyEvent>
#include <QPainter>

namespace orvane {

bool isActivationKey(const QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool isMenuKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

QPoint arrowStep(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}

void drawFocusFrame(QPainter& painter, const QRect& outer)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    painter.restore();
}

} // namespace orvane
