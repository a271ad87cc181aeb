// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/VisionSimulation.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace orvane {

class SimulatedVision;

// The spectrum palette: hue against lightness. It keeps its drawing in an image, so it repaints
// itself after being covered; its undrawn last column and row show the window colour. From the
// keyboard, the arrow keys move a focus pixel (ten at a time with Ctrl), which is reported as
// pointing at it is, and Enter or Space press it; its colour is in the accessible name.
class SpectrumPalette : public QWidget {
    Q_OBJECT
public:
    explicit SpectrumPalette(QWidget* parent = nullptr);

    // Draws into the picture; call update() once the drawing is done.
    void setPixelColor(int x, int y, ColorValue color);
    // The colour at a pixel, or nothing outside the picture.
    std::optional<ColorValue> pixelColor(QPoint position) const;
    // Draws the picture as this vision sees it from now on; picking still reads the real colours.
    void drawFor(const SimulatedVision& vision);

signals:
    void colorHovered(orvane::ColorValue color);
    void colorPressed(orvane::ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateAccessibleName();
    // The picture to draw: the real one, or a copy made for the vision and kept until either
    // changes.
    const QImage& shownImage();

    QImage image_;
    QPointer<const SimulatedVision> vision_;
    QImage shown_;
    std::optional<ColorVision> shownFor_;
    QPoint focusPixel_;
};

} // namespace orvane
