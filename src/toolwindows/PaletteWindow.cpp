// SPDX-License-Identifier: MIT
#include "toolwindows/PaletteWindow.h"

#include "core/Palette.h"
#include "widgets/QtConversions.h"
#include "widgets/SwatchWidget.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace orvane {

namespace {

constexpr int kSwatchSide = 24;
constexpr int kPitch = kSwatchSide + 4;
constexpr int kDefaultColumns = 8;
constexpr int kMaxColumns = 16;
constexpr int kVisibleRows = 12;
// Wide enough that the caption of a narrow palette still reads.
constexpr int kMinWidth = 200;

} // namespace

PaletteWindow::PaletteWindow(AppState& state, std::int16_t& left, std::int16_t& top,
                             QWidget* parent)
    : ToolWindow(left, top, parent), state_(state)
{
    setObjectName(QStringLiteral("Palette"));
    scroll_ = new QScrollArea(this);
    scroll_->setAccessibleName(tr("Palette colours"));
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
}

void PaletteWindow::showPalette(const Palette& palette)
{
    setWindowTitle(qText(palette.name));
    swatches_.clear();
    auto* grid = new QWidget;
    const int count = static_cast<int>(palette.colors.size());
    const int columns =
        palette.columns > 0 ? std::min(palette.columns, kMaxColumns) : kDefaultColumns;
    for (int index = 0; index < count; ++index) {
        const NamedColor& entry = palette.colors[index];
        const QString name =
            entry.name.empty() ? tr("Colour %1").arg(index + 1) : qText(entry.name);
        auto* swatch = new SwatchWidget(name, grid);
        swatch->setObjectName(QStringLiteral("Palette_%1").arg(index));
        swatch->setColor(entry.color);
        swatch->setToolTip(name);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setGeometry(2 + index % columns * kPitch, 2 + index / columns * kPitch, kSwatchSide,
                            kSwatchSide);
        if (vision_ != nullptr)
            swatch->drawFor(*vision_);
        connect(swatch, &SwatchWidget::released, this,
                [this, swatch](Qt::MouseButton button, QPoint position) {
                    released(*swatch, button, position);
                });
        // A swatch dropped back on itself was clicked, not moved.
        connect(swatch, &SwatchWidget::dropped, this, [this, swatch](ColorValue, bool fromItself) {
            if (fromItself)
                released(*swatch, Qt::LeftButton, {});
        });
        swatches_.push_back(swatch);
    }
    const int rows = (count + columns - 1) / columns;
    grid->setFixedSize(columns * kPitch + 4, rows * kPitch + 4);
    scroll_->setWidget(grid); // deletes the grid shown before
    const bool scrolls = rows > kVisibleRows;
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int frame = 2 * scroll_->frameWidth();
    const int bar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    setFixedSize(std::max(kMinWidth, grid->width() + bar + frame),
                 std::min(rows, kVisibleRows) * kPitch + 4 + frame);
}

void PaletteWindow::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    ToolWindow::drawFor(vision);
}

void PaletteWindow::released(const SwatchWidget& swatch, Qt::MouseButton button, QPoint position)
{
    if (button == Qt::LeftButton) {
        emit colorChosenWithUndo(swatch.color());
    } else if (button == Qt::RightButton) {
        state_.PopupColor = swatch.color();
        emit popupRequested(swatch.mapToGlobal(position));
    }
}

} // namespace orvane
