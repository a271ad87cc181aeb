// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QStatusBar>

class QLabel;

namespace orvane {

// The web preview's status bar: the colour under the pointer as RGB and as HEX, and a hint.
class WebStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit WebStatusBar(QWidget* parent);

    void showColor(ColorValue color);

private:
    QLabel* addColourPanel(int number, const QString& designation, int width);

    QLabel* rgb_ = nullptr;
    QLabel* hex_ = nullptr;
};

} // namespace orvane
