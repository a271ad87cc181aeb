// SPDX-License-Identifier: MIT
#include "mainwindow/SpectrumPalette.h"

#include "colour/Palettes.h"
#include "widgets/KeyboardUse.h"
#include "widgets/QtConversions.h"
#include "widgets/SimulatedVision.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvane {

SpectrumPalette::SpectrumPalette(QWidget* parent)
    : QWidget(parent), image_(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture4"));
    setMouseTracking(true);
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setFocusPolicy(Qt::TabFocus);
    image_.fill(palette().color(QPalette::Window));
    updateAccessibleName();
}

void SpectrumPalette::setPixelColor(int x, int y, ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    image_.setPixel(x, y, qRgb(c.red, c.green, c.blue));
    shownFor_.reset();
    if (QPoint(x, y) == focusPixel_)
        updateAccessibleName();
}

void SpectrumPalette::updateAccessibleName()
{
    setAccessibleName(tr("Spectrum palette, %1").arg(qText(hashHex(*pixelColor(focusPixel_)))));
}

void SpectrumPalette::drawFor(const SimulatedVision& vision)
{
    vision_ = &vision;
    vision.redrawWhenChanged(this);
}

std::optional<ColorValue> SpectrumPalette::pixelColor(QPoint position) const
{
    if (!image_.valid(position))
        return std::nullopt;
    const QRgb pixel = image_.pixel(position);
    return MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void SpectrumPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, shownImage());
    // A ring around the focus pixel that leaves it and its neighbours showing.
    if (hasFocus())
        drawFocusFrame(painter, QRect(focusPixel_ - QPoint(3, 3), QSize(7, 7)));
}

const QImage& SpectrumPalette::shownImage()
{
    if (!vision_ || vision_->vision() == ColorVision::Normal)
        return image_;
    if (shownFor_ != vision_->vision()) {
        shown_ = QImage(image_.size(), QImage::Format_RGB32);
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x)
                shown_.setPixel(x, y, vision_->shown(*pixelColor(QPoint(x, y))).rgb());
        }
        shownFor_ = vision_->vision();
    }
    return shown_;
}

void SpectrumPalette::mouseMoveEvent(QMouseEvent* event)
{
    if (const auto color = pixelColor(event->position().toPoint()))
        emit colorHovered(*color);
}

void SpectrumPalette::mousePressEvent(QMouseEvent* event)
{
    if (const auto color = pixelColor(event->position().toPoint()))
        emit colorPressed(*color);
}

void SpectrumPalette::keyPressEvent(QKeyEvent* event)
{
    const QPoint step = arrowStep(event) * (event->modifiers() & Qt::ControlModifier ? 10 : 1);
    if (isActivationKey(event)) {
        emit colorPressed(*pixelColor(focusPixel_));
    } else if (!step.isNull()) {
        const QPoint moved(std::clamp(focusPixel_.x() + step.x(), 0, kSpectrumDrawnWidth - 1),
                           std::clamp(focusPixel_.y() + step.y(), 0, kSpectrumDrawnHeight - 1));
        if (moved == focusPixel_)
            return; // at the edge
        focusPixel_ = moved;
        updateAccessibleName();
        update();
        emit colorHovered(*pixelColor(focusPixel_));
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace orvane
