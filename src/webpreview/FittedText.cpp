// SPDX-License-Identifier: MIT
#include "webpreview/FittedText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orvane {

void drawFitted(QPainter& painter, const QRectF& area, int flags, const QString& text)
{
    const qreal needed = QFontMetricsF(painter.font()).boundingRect(area, flags, text).width();
    const qreal squeeze = needed > area.width() ? area.width() / needed : 1.0;
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(squeeze, 1.0);
    painter.drawText(QRectF(0, 0, area.width() / squeeze, area.height()), flags, text);
    painter.restore();
}

} // namespace orvane
