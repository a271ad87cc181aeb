// SPDX-License-Identifier: MIT
#include "webpreview/FittedLabel.h"

#include "webpreview/FittedText.h"

#include <QPainter>

namespace orvane {

QSize FittedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    drawFitted(painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace orvane
