// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/VisionSimulation.h"

#include <QColor>
#include <QObject>

class QWidget;

namespace orvane {

// The colour vision the windows draw their colours for, chosen while the program runs and never
// stored. Only the drawing follows it: every colour kept, copied, dropped or written as text
// stays the real one.
class SimulatedVision : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    ColorVision vision() const { return vision_; }
    void setVision(ColorVision vision);
    // The colour as the chosen viewer sees it.
    QColor shown(ColorValue color) const;
    // Repaints a widget that draws for this vision now and whenever the vision changes.
    void redrawWhenChanged(QWidget* widget) const;

signals:
    // Everything drawn for this vision needs drawing again.
    void changed();

private:
    ColorVision vision_ = ColorVision::Normal;
};

// The colour as drawn for the vision, or as it is where no vision was handed over.
QColor shownColor(const SimulatedVision* vision, ColorValue color);

} // namespace orvane
