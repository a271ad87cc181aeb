// SPDX-License-Identifier: MIT
#include "mainwindow/ColorStatusBar.h"

#include "colour/Contrast.h"
#include "widgets/QtConversions.h"
#include "widgets/StatusTexts.h"

#include <QLabel>

namespace orvane {

ColorStatusBar::ColorStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (int panel = 0; panel < 3; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(panel + 1));
        label->setMinimumWidth(140);
        addWidget(label, panel == 2 ? 1 : 0);
        panels_[panel] = label;
    }
}

void ColorStatusBar::showColor(ColorValue color)
{
    panels_[0]->setText(rgbStatusText(color));
    panels_[1]->setText(hexStatusText(color));
}

void ColorStatusBar::showContrast(ColorValue current)
{
    panels_[2]->setText(tr("Contrast: %1:1 on white, %2:1 on black")
                            .arg(qText(contrastText(contrastHundredths(current, kWhite))),
                                 qText(contrastText(contrastHundredths(current, 0)))));
}

QString ColorStatusBar::panelText(int panel) const
{
    return panels_[panel - 1]->text();
}

} // namespace orvane
