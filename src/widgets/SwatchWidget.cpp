#include "widgets/SwatchWidget.h"

#include "widgets/ColorMime.h"
#include "widgets/QtConversions.h"
#include "widgets/SimulatedVision.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace orvane {

SwatchWidget::SwatchWidget(QString accessibleLabel, QWidget* parent)
    : QWidget(parent), accessibleLabel_(std::move(accessibleLabel))
{
    setMouseTracking(true);
    setAcceptDrops(true);
    updateAccessibleName();
}

void SwatchWidget::setColor(ColorValue color)
{
    if (color == color_)
        return;
    color_ = color;
    updateAccessibleName();
    update();
    emit colorChanged(color_);
}

void SwatchWidget::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    vision.redrawWhenChanged(this);
}

void SwatchWidget::updateAccessibleName()
{
    setAccessibleName(accessibleLabel_ + QStringLiteral(", ") + qText(hashHex(color_)));
}

void SwatchWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), shownColor(vision_, color_));
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
}

void SwatchWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    if ((event->buttons() & Qt::LeftButton) && dragStart_ &&
        (event->position().toPoint() - *dragStart_).manhattanLength() >=
            QApplication::startDragDistance()) {
        dragStart_.reset();
        startDrag();
    }
}

void SwatchWidget::mousePressEvent(QMouseEvent* event)
{
    dragStart_.reset();
    if (event->button() == Qt::LeftButton && draggable_)
        dragStart_ = event->position().toPoint();
    emit pressed(event->button());
}

void SwatchWidget::mouseReleaseEvent(QMouseEvent* event)
{
    dragStart_.reset();
    emit released(event->button(), event->position().toPoint());
}

void SwatchWidget::startDrag()
{
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColorMime(color_));
    QPixmap icon(24, 24);
    icon.fill(shownColor(vision_, color_));
    QPainter painter(&icon);
    painter.setPen(Qt::black);
    painter.drawRect(icon.rect().adjusted(0, 0, -1, -1));
    painter.end();
    drag->setPixmap(icon);
    drag->setHotSpot(QPoint(-4, -4));
    drag->exec(Qt::CopyAction);
}

bool SwatchWidget::acceptsDrag(const QDropEvent* event) const
{
    return colorFromMime(event->mimeData()).has_value() &&
           (event->source() == this || acceptsForeignDrops_);
}

void SwatchWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
}

void SwatchWidget::dropEvent(QDropEvent* event)
{
    if (!acceptsDrag(event))
        return;
    event->acceptProposedAction();
    emit dropped(*colorFromMime(event->mimeData()), event->source() == this);
}

} // namespace orvane
