// SPDX-License-Identifier: MIT
#include "webpreview/WebPageElement.h"

#include "webpreview/FittedText.h"
#include "widgets/ColorMime.h"
#include "widgets/QtConversions.h"
#include "widgets/SimulatedVision.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace orvane {

WebPageElement::WebPageElement(QString label, QString text, QWidget* parent)
    : QWidget(parent), label_(std::move(label)), text_(std::move(text))
{
    setMouseTracking(true);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    // A panel covers its whole area, so nothing behind it needs repainting with it.
    setAttribute(Qt::WA_OpaquePaintEvent, text_.isEmpty());
}

void WebPageElement::setColor(ColorValue color)
{
    color_ = color;
    const QString colorText = qText(hashHex(color));
    setAccessibleName(label_ + QStringLiteral(", ") + colorText);
    setToolTip(colorText);
    update();
    emit colorChanged();
}

void WebPageElement::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    vision.redrawWhenChanged(this);
}

void WebPageElement::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (text_.isEmpty()) {
        painter.fillRect(rect(), shownColor(vision_, color_));
        return;
    }
    painter.setPen(shownColor(vision_, color_));
    drawFitted(painter, rect(), Qt::AlignLeft | Qt::AlignTop, text_);
}

void WebPageElement::mouseMoveEvent(QMouseEvent*)
{
    emit hovered();
}

void WebPageElement::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button(), event->position().toPoint());
}

void WebPageElement::dragEnterEvent(QDragEnterEvent* event)
{
    if (colorFromMime(event->mimeData()))
        event->acceptProposedAction();
}

void WebPageElement::dropEvent(QDropEvent* event)
{
    const std::optional<ColorValue> color = colorFromMime(event->mimeData());
    if (!color)
        return;
    event->acceptProposedAction();
    emit dropped(*color);
}

} // namespace orvane
