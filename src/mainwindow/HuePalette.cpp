#include "mainwindow/HuePalette.h"

#include "colour/Palettes.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

HuePalette::HuePalette(QWidget* parent)
    : QWidget(parent), image_(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture4"));
    setMouseTracking(true);
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setAccessibleName(tr("Spectrum palette"));
    image_.fill(palette().color(QPalette::Window));
}

void HuePalette::setPixelColor(int x, int y, ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    image_.setPixel(x, y, qRgb(c.red, c.green, c.blue));
}

std::optional<ColorValue> HuePalette::pixelColor(QPoint position) const
{
    if (!image_.valid(position))
        return std::nullopt;
    const QRgb pixel = image_.pixel(position);
    return MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void HuePalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void HuePalette::mouseMoveEvent(QMouseEvent* event)
{
    if (const auto color = pixelColor(event->position().toPoint()))
        emit colorHovered(*color);
}

void HuePalette::mousePressEvent(QMouseEvent* event)
{
    if (const auto color = pixelColor(event->position().toPoint()))
        emit colorPressed(*color);
}

} // namespace orvane
