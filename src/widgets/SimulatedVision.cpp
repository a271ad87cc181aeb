// SPDX-License-Identifier: MIT
#include "widgets/SimulatedVision.h"

#include "widgets/QtConversions.h"

#include <QWidget>

namespace orvane {

void SimulatedVision::setVision(ColorVision vision)
{
    if (vision == vision_)
        return;
    vision_ = vision;
    emit changed();
}

QColor SimulatedVision::shown(ColorValue color) const
{
    return toQColor(simulateVision(color, vision_));
}

void SimulatedVision::redrawWhenChanged(QWidget* widget) const
{
    connect(this, &SimulatedVision::changed, widget, qOverload<>(&QWidget::update));
    widget->update();
}

QColor shownColor(const SimulatedVision* vision, ColorValue color)
{
    return vision ? vision->shown(color) : toQColor(color);
}

} // namespace orvane
