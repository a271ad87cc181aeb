// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QStatusBar>
#include <array>

class QLabel;

namespace orvane {

// The main window's status bar (StatusBar1): the RGB values of a colour in Panel1, its HEX form
// in Panel2, and in Panel3 how the current colour contrasts with white and with black.
class ColorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit ColorStatusBar(QWidget* parent);

    void showColor(ColorValue color);
    void showContrast(ColorValue current);
    // The text of Panel1, Panel2 or Panel3.
    QString panelText(int panel) const;

private:
    std::array<QLabel*, 3> panels_{};
};

} // namespace orvane
