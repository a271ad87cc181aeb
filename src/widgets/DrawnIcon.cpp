// SPDX-License-Identifier: MIT
#include "widgets/DrawnIcon.h"

#include <QPainter>
#include <QPixmap>

namespace orvane {

QIcon drawnIcon(int logicalSize, const std::function<void(QPainter&)>& paint)
{
    QIcon icon;
    for (int scale = 1; scale <= 2; ++scale) {
        QPixmap pixmap(logicalSize * scale, logicalSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace orvane
