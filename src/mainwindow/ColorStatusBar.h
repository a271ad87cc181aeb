#pragma once

#include "colour/ColorValue.h"

#include <QStatusBar>
#include <array>

class QLabel;

namespace orvane {

// The main window's status bar (StatusBar1): the RGB values of a colour in Panel1 and its HEX
// form in Panel2.
class ColorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit ColorStatusBar(QWidget* parent);

    void showColor(ColorValue color);
    // The text of Panel1 or Panel2.
    QString panelText(int panel) const;

private:
    std::array<QLabel*, 2> panels_{};
};

} // namespace orvane
