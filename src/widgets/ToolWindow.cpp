#include "widgets/ToolWindow.h"

#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace orvane {

std::int16_t pixelsToStoredTwips(int pixels)
{
    const long twips = static_cast<long>(pixels) * kTwipsPerPixel;
    return static_cast<std::int16_t>(std::clamp<long>(
        twips, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

QPoint ontoNearestScreen(QPoint topLeft)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QPoint best = topLeft;
    long bestDistance = std::numeric_limits<long>::max();
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        if (area.contains(topLeft))
            return topLeft;
        const QPoint inside(std::clamp(topLeft.x(), area.left(), area.right()),
                            std::clamp(topLeft.y(), area.top(), area.bottom()));
        const long distance = (inside - topLeft).manhattanLength();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = inside;
        }
    }
    return best;
}

ToolWindow::ToolWindow(std::int16_t& left, std::int16_t& top, QWidget* parent)
    : QWidget(parent, Qt::Tool), left_(left), top_(top)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::placeAtStoredPosition()
{
    const QPoint wanted(left_ / kTwipsPerPixel, top_ / kTwipsPerPixel);
    const QPoint placed = ontoNearestScreen(wanted);
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
