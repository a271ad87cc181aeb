// SPDX-License-Identifier: MIT
#include "widgets/ToolWindow.h"

#include "core/WindowPlacement.h"
#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <vector>

namespace orvane {

namespace {

std::vector<PixelRect> availableAreas()
{
    std::vector<PixelRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

} // namespace

std::int16_t pixelsToStoredTwips(int pixels)
{
    const long twips = static_cast<long>(pixels) * kTwipsPerPixel;
    return static_cast<std::int16_t>(std::clamp<long>(
        twips, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

ToolWindow::ToolWindow(std::int16_t& left, std::int16_t& top, QWidget* parent)
    : QWidget(parent, Qt::Tool), left_(left), top_(top)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::placeAtStoredPosition()
{
    const QPoint wanted(left_ / kTwipsPerPixel, top_ / kTwipsPerPixel);
    const PixelPoint corner =
        placeOnScreens({wanted.x(), wanted.y()}, frameGeometry().width(), availableAreas());
    const QPoint placed(corner.x, corner.y);
    move(placed);
    placedAt_ = placed;
    placedLeft_ = placed == wanted ? left_ : pixelsToStoredTwips(placed.x());
    placedTop_ = placed == wanted ? top_ : pixelsToStoredTwips(placed.y());
}

void ToolWindow::storePosition()
{
    if (placedAt_ && pos() == *placedAt_) {
        left_ = placedLeft_;
        top_ = placedTop_;
        return;
    }
    left_ = pixelsToStoredTwips(pos().x());
    top_ = pixelsToStoredTwips(pos().y());
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    storePosition();
    event->accept();
    emit closed();
}

void ToolWindow::drawFor(const SimulatedVision& vision)
{
    for (SwatchWidget* swatch : findChildren<SwatchWidget*>())
        swatch->drawFor(vision);
}

} // namespace orvane
