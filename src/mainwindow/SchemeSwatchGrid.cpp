// SPDX-License-Identifier: MIT
#include "mainwindow/SchemeSwatchGrid.h"

#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QFrame>

namespace orvane {

namespace {

// Where each scheme swatch stands: the outer ring runs clockwise from the top-left corner, the
// inner four clockwise from their top-left.
constexpr int kGridColumns[4] = {1290, 2370, 3450, 4530};
constexpr int kGridRows[4] = {480, 1245, 2010, 2775};
constexpr int kGridIndex[4][4] = {{0, 1, 2, 3}, {11, 12, 13, 4}, {10, 15, 14, 5}, {9, 8, 7, 6}};
constexpr int kGridSwatchWidth = 915;
constexpr int kGridSwatchHeight = 600;

} // namespace

SchemeSwatchGrid::SchemeSwatchGrid(QWidget* area, const SimulatedVision& vision, QObject* parent)
    : QObject(parent)
{
    // The frame lies behind the inner four swatches, so it is made first.
    wheelFrame_ = new QFrame(area);
    wheelFrame_->setObjectName(QStringLiteral("Frame1"));
    wheelFrame_->setFrameShape(QFrame::StyledPanel);
    wheelFrame_->setFrameShadow(QFrame::Sunken);
    wheelFrame_->setGeometry(twipsRect(2280, 1110, 2190, 1590));

    // Tab follows the reading order: the current colour at the left, then the grid row by row.
    swatches_[kCurrentSwatch] = new SwatchWidget(tr("Current colour"), area);
    swatches_[kCurrentSwatch]->setGeometry(twipsRect(120, 1455, 795, 795));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int index = kGridIndex[row][column];
            auto* swatch = new SwatchWidget(tr("Scheme colour %1").arg(index + 1), area);
            swatch->setGeometry(twipsRect(kGridColumns[column], kGridRows[row], kGridSwatchWidth,
                                          kGridSwatchHeight));
            swatches_[index] = swatch;
        }
    }
    for (int index = 0; index <= kCurrentSwatch; ++index) {
        SwatchWidget* swatch = swatches_[index];
        swatch->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        swatch->drawFor(vision);
        connect(swatch, &SwatchWidget::hovered, this, [this, index] { emit swatchHovered(index); });
        connect(swatch, &SwatchWidget::released, this,
                [this, index](Qt::MouseButton button, QPoint position) {
                    emit swatchReleased(index, button, position);
                });
        connect(swatch, &SwatchWidget::dropped, this, [this, index](ColorValue, bool fromItself) {
            emit swatchDropped(index, fromItself);
        });
        // The keys do what the buttons do.
        connect(swatch, &SwatchWidget::activated, this,
                [this, index] { emit swatchReleased(index, Qt::LeftButton, QPoint()); });
        connect(swatch, &SwatchWidget::menuRequested, this, [this, index](QPoint position) {
            emit swatchReleased(index, Qt::RightButton, position);
        });
    }
}

void SchemeSwatchGrid::showScheme(const SchemeColors& scheme)
{
    for (int index = 0; index < kSchemeSwatchCount; ++index)
        swatches_[index]->setColor(scheme[index]);
}

void SchemeSwatchGrid::showMode(SchemeMode mode)
{
    wheelFrame_->setVisible(mode == SchemeMode::ColorWheel);
}

void SchemeSwatchGrid::applyPointers()
{
    for (int index = 0; index < kSchemeSwatchCount; ++index)
        swatches_[index]->setCursor(Qt::PointingHandCursor);
}

} // namespace orvane
