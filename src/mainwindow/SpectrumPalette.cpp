#include "mainwindow/SpectrumPalette.h"

#include "colour/Palettes.h"
#include "widgets/SimulatedVision.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

SpectrumPalette::SpectrumPalette(QWidget* parent)
    : QWidget(parent), image_(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture4"));
    setMouseTracking(true);
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setAccessibleName(tr("Spectrum palette"));
    image_.fill(palette().color(QPalette::Window));
}

void SpectrumPalette::setPixelColor(int x, int y, ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    image_.setPixel(x, y, qRgb(c.red, c.green, c.blue));
    shownFor_.reset();
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

} // namespace orvane
