#pragma once

#include "colour/ColorValue.h"

#include <QImage>
#include <QWidget>
#include <optional>

namespace orvane {

// The spectrum palette: hue against lightness. It keeps its drawing in an image, so it repaints
// itself after being covered; its undrawn last column and row show the window colour.
class SpectrumPalette : public QWidget {
    Q_OBJECT
public:
    explicit SpectrumPalette(QWidget* parent = nullptr);

    // Draws into the picture; call update() once the drawing is done.
    void setPixelColor(int x, int y, ColorValue color);
    // The colour at a pixel, or nothing outside the picture.
    std::optional<ColorValue> pixelColor(QPoint position) const;

signals:
    void colorHovered(orvane::ColorValue color);
    void colorPressed(orvane::ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace orvane
