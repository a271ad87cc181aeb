// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/PickerGeometry.h"

#include <QDialog>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <optional>
#include <vector>

namespace orvane {

class SwatchWidget;

// The screen colour picker: a borderless window over the whole desktop that shows a frozen
// picture of it, with a magnifier following the pointer. Any button press picks the pixel under
// the pointer and closes the window; Escape closes it without a pick. The arrow keys move the
// pointer by one device pixel (ten with Shift) and Enter or Space picks. Shown modally.
class ScreenPickerWindow : public QDialog {
    Q_OBJECT
public:
    // snapshot: the desktop in device pixels. screens: where each screen's device pixels stand
    // on the desktop and in the snapshot; the window covers them all.
    ScreenPickerWindow(const QImage& snapshot, std::vector<ScreenPixels> screens,
                       QWidget* parent = nullptr);

    // The colour of the pixel picked; nothing when the window closed without a pick.
    std::optional<ColorValue> pickedColor() const { return picked_; }

    // Redraws the magnifier and the pixel swatch for the pointer at this logical window position,
    // as every pointer movement does.
    void magnifyAt(QPointF position);
    // The device pixel, in desktop coordinates, that the picker takes as under the pointer.
    PixelPoint pointer() const { return pointer_; }
    // The magnifier's enlarged view: 24 × 24 snapshot pixels, each as 3 × 3.
    const QImage& magnifierImage() const { return magnifier_; }
    // The snapshot pixel at the top-left of the block the magnifier shows.
    PixelPoint blockOrigin() const { return blockOrigin_; }
    // Moves the magnifier panel to the other side, as the pointer entering it does.
    void moveMagnifierAside();

protected:
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PixelPoint deviceUnder(QPointF position) const;
    void followPointer(QPointF position);
    void magnify();
    void movePointer(int dx, int dy);
    void pick();
    std::optional<ColorValue> colorAt(PixelPoint pixel) const;

    QImage snapshot_;
    std::vector<ScreenPixels> screens_;
    ScreenPixels window_;
    PixelPoint pointer_;
    QImage magnifier_;
    PixelPoint blockOrigin_;
    std::optional<ColorValue> picked_;
    QWidget* panel_ = nullptr;
    QWidget* view_ = nullptr;
    SwatchWidget* pixelSwatch_ = nullptr;
};

} // namespace orvane
