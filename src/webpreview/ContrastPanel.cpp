// SPDX-License-Identifier: MIT
#include "webpreview/ContrastPanel.h"

#include "colour/Contrast.h"
#include "webpreview/FittedLabel.h"
#include "widgets/QtConversions.h"

#include <QVBoxLayout>

namespace orvane {

namespace {

// A text of the page and the background it stands on.
struct Pair {
    ColorValue WebPageColors::*text;
    ColorValue WebPageColors::*background;
    const char* name;
};

const Pair kPairs[] = {
    {&WebPageColors::title, &WebPageColors::page,
     QT_TRANSLATE_NOOP("orvane::ContrastPanel", "Page title on page background")},
    {&WebPageColors::headerText, &WebPageColors::headerBackground,
     QT_TRANSLATE_NOOP("orvane::ContrastPanel", "Header text on header bar")},
    {&WebPageColors::link, &WebPageColors::side,
     QT_TRANSLATE_NOOP("orvane::ContrastPanel", "Links on side bar")},
    {&WebPageColors::caption, &WebPageColors::bodyBackground,
     QT_TRANSLATE_NOOP("orvane::ContrastPanel", "Body caption on body box")},
    {&WebPageColors::bodyText, &WebPageColors::bodyBackground,
     QT_TRANSLATE_NOOP("orvane::ContrastPanel", "Body text on body box")},
};

} // namespace

ContrastPanel::ContrastPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ContrastPanel"));
    setAccessibleName(tr("Contrast of the page's texts"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(1);
    for (int line = 0; line < static_cast<int>(lines_.size()); ++line) {
        auto* label = new FittedLabel(this);
        label->setObjectName(QStringLiteral("ContrastLine_%1").arg(line));
        layout->addWidget(label);
        lines_[line] = label;
    }
}

void ContrastPanel::showColors(const WebPageColors& colors)
{
    const auto verdict = [](int hundredths, int needed) {
        return hundredths >= needed ? tr("pass") : tr("fail");
    };
    for (int line = 0; line < static_cast<int>(lines_.size()); ++line) {
        const Pair& pair = kPairs[line];
        const int hundredths = contrastHundredths(colors.*pair.text, colors.*pair.background);
        const QString text =
            tr("%1: %2:1, AA %3, AAA %4")
                .arg(tr(pair.name), qText(contrastText(hundredths)),
                     verdict(hundredths, kContrastAA), verdict(hundredths, kContrastAAA));
        lines_[line]->setText(text);
        lines_[line]->setAccessibleName(text);
    }
}

} // namespace orvane
