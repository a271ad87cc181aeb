// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace orvane {

class SimulatedVision;

// A modeless tool window owned by the main window. It is placed at a position stored in twips,
// writes its position back into those fields when it closes (or when asked), and tells the
// main window that it closed. It is deleted on closing: reopening builds it afresh.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // left and top are the window's position fields in the shared state.
    ToolWindow(std::int16_t& left, std::int16_t& top, QWidget* parent);

    // Places the frame's top-left corner at the stored position; a window whose title strip
    // would be out of reach there is moved onto the nearest screen.
    void placeAtStoredPosition();
    // Writes where the frame stands into the position fields. A window that was not moved since
    // it was placed stores exactly the twips it was placed at.
    void storePosition();
    // Draws the colours the window shows as this vision sees them from now on: every swatch,
    // and whatever else a window paints in its colours.
    virtual void drawFor(const SimulatedVision& vision);

signals:
    // The window has closed and stored its position.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::int16_t& left_;
    std::int16_t& top_;
    std::optional<QPoint> placedAt_; // in pixels, with the twips it came from below
    std::int16_t placedLeft_ = 0;
    std::int16_t placedTop_ = 0;
};

// Converts a window position in pixels to twips, clamped to the 16-bit field.
std::int16_t pixelsToStoredTwips(int pixels);

} // namespace orvane
