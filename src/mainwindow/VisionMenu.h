// SPDX-License-Identifier: MIT
#pragma once

#include "colour/VisionSimulation.h"
#include "widgets/SimulatedVision.h"

#include <QObject>
#include <QString>

class QMenu;
class QWidget;

namespace orvane {

// View > Simulate Colour Vision: radio items that choose the vision every colour is drawn for,
// normal vision at each start, and the window title, which says while a simulation is on so
// that nobody takes a simulated colour for a real one.
class VisionMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu at the end of the View menu; window is the one whose title tells.
    VisionMenu(QMenu* view, QWidget* window);

    const SimulatedVision& vision() const { return vision_; }

private:
    // viewer names the vision in the title, empty for normal vision.
    void choose(ColorVision vision, const QString& viewer);

    QWidget* window_;
    SimulatedVision vision_;
};

} // namespace orvane
