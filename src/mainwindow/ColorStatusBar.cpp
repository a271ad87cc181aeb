#include "mainwindow/ColorStatusBar.h"

#include "widgets/QtConversions.h"

#include <QLabel>

namespace orvane {

ColorStatusBar::ColorStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (int panel = 0; panel < 2; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(panel + 1));
        label->setMinimumWidth(140);
        addWidget(label, panel == 0 ? 0 : 1);
        panels_[panel] = label;
    }
}

void ColorStatusBar::showColor(ColorValue color)
{
    panels_[0]->setText(qText(statusRgb(color)));
    panels_[1]->setText(qText(statusHex(color)));
}

QString ColorStatusBar::panelText(int panel) const
{
    return panels_[panel - 1]->text();
}

} // namespace orvane
