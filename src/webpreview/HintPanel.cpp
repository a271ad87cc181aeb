#include "webpreview/HintPanel.h"

#include "webpreview/FittedText.h"

#include <QPainter>

namespace orvane {

QSize HintPanel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void HintPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    drawFitted(painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace orvane
