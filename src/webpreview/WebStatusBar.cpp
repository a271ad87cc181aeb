// SPDX-License-Identifier: MIT
#include "webpreview/WebStatusBar.h"

#include "webpreview/FittedLabel.h"
#include "widgets/StatusTexts.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace orvane {

namespace {

// Wide enough for a colour text of this prefix and as many digits as the broadest digit takes,
// so that the panels keep still as the colours change.
int colourPanelWidth(const QFontMetrics& metrics, const QString& prefix, int digitCount,
                     QStringView digits)
{
    int widest = 0;
    for (QChar digit : digits)
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    return metrics.horizontalAdvance(prefix) + digitCount * widest;
}

} // namespace

WebStatusBar::WebStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setAccessibleName(tr("Web preview status"));
    setSizeGripEnabled(false);

    const QFontMetrics metrics = fontMetrics();
    rgb_ = addColourPanel(
        1, tr("Current RGB"),
        colourPanelWidth(metrics, rgbStatusForm().arg(QStringLiteral("..")), 9, u"0123456789"));
    hex_ = addColourPanel(
        2, tr("Current HEX"),
        colourPanelWidth(metrics, hexStatusForm().arg(u'#'), 6, u"0123456789ABCDEF"));

    auto* hint = new FittedLabel(tr("Right-Click colors for options"), this);
    hint->setObjectName(QStringLiteral("Panel3"));
    hint->setAccessibleName(hint->text());
    hint->setToolTip(hint->text());
    addWidget(hint, 1);
}

QLabel* WebStatusBar::addColourPanel(int number, const QString& designation, int width)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel%1").arg(number));
    label->setToolTip(designation);
    label->setAccessibleName(designation);
    label->setMinimumWidth(width);
    addWidget(label);
    return label;
}

void WebStatusBar::showColor(ColorValue color)
{
    const auto show = [](QLabel* panel, const QString& text) {
        panel->setText(text);
        panel->setAccessibleDescription(text);
    };
    show(rgb_, rgbStatusText(color));
    show(hex_, hexStatusText(color));
}

} // namespace orvane
