// SPDX-License-Identifier: MIT
#include "widgets/SwatchWidget.h"

#include "widgets/ColorMime.h"
#include "widgets/KeyboardUse.h"
#include "widgets/QtConversions.h"
#include "widgets/SimulatedVision.h"
#include "widgets/SwatchAccessible.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>
#include <qdrawutil.h>
#include <utility>

namespace orvane {

namespace {

// How far a rectangle lies from another in the direction of step, and how far aside; nothing
// when it does not lie that way or does not overlap it across that direction.
std::optional<std::pair<int, int>> offsetToward(const QRect& from, const QRect& to, QPoint step)
{
    const QPoint apart = to.center() - from.center();
    const bool across = step.x() != 0 ? to.top() <= from.bottom() && from.top() <= to.bottom()
                                      : to.left() <= from.right() && from.left() <= to.right();
    const int along = step.x() * apart.x() + step.y() * apart.y();
    if (!across || along <= 0)
        return std::nullopt;
    return std::pair(along, std::abs(step.x() != 0 ? apart.y() : apart.x()));
}

} // namespace

SwatchWidget::SwatchWidget(QString accessibleLabel, QWidget* parent)
    : QWidget(parent), accessibleLabel_(std::move(accessibleLabel))
{
    installSwatchAccessible();
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::TabFocus);
    updateAccessibleName();
}

void SwatchWidget::setActivatable(bool activatable)
{
    activatable_ = activatable;
    setFocusPolicy(activatable ? Qt::TabFocus : Qt::NoFocus);
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
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(2, 2, -2, -2));
}

void SwatchWidget::keyPressEvent(QKeyEvent* event)
{
    // Only an activatable swatch takes the focus, and with it the keys.
    const QPoint step = arrowStep(event);
    if (isActivationKey(event)) {
        activate();
    } else if (isMenuKey(event)) {
        requestMenu();
    } else if (!step.isNull()) {
        if (SwatchWidget* next = neighbour(step))
            next->setFocus(Qt::OtherFocusReason);
    } else {
        QWidget::keyPressEvent(event);
    }
}

SwatchWidget* SwatchWidget::neighbour(QPoint step) const
{
    // The nearest in that direction, and of those the one least aside.
    SwatchWidget* nearest = nullptr;
    std::pair<int, int> nearestOffset;
    for (SwatchWidget* other :
         parentWidget()->findChildren<SwatchWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other == this || other->isHidden() || !other->activatable_)
            continue;
        const auto offset = offsetToward(geometry(), other->geometry(), step);
        if (offset && (!nearest || *offset < nearestOffset)) {
            nearest = other;
            nearestOffset = *offset;
        }
    }
    return nearest;
}

void SwatchWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Coming to a swatch from the keyboard shows what pointing at it shows.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::OtherFocusReason)
        emit hovered();
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
