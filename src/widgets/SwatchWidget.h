// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace orvane {

class SimulatedVision;

// A box that shows one colour. It paints itself, reports the pointer and the buttons, and can be
// dragged: the drag carries its colour, and a drag dropped back on the swatch itself counts as a
// click. It takes the focus with Tab; the arrow keys move it to the nearest swatch beside it in
// the same window, Enter or Space activate it and Shift+F10 or the Menu key ask for its menu.
class SwatchWidget : public QWidget {
    Q_OBJECT
public:
    explicit SwatchWidget(QString accessibleLabel, QWidget* parent = nullptr);

    ColorValue color() const { return color_; }
    void setColor(ColorValue color);

    // Whether colours dragged from other controls may be dropped here.
    void setAcceptsForeignDrops(bool accepts) { acceptsForeignDrops_ = accepts; }
    // Whether a left press and move drags the colour away (on by default).
    void setDraggable(bool draggable) { draggable_ = draggable; }
    // Whether the swatch takes the focus and answers the keys and a screen reader's actions (on
    // by default); a swatch that only shows a colour does not.
    void setActivatable(bool activatable);
    bool isActivatable() const { return activatable_; }
    // What Enter does, and the press action a screen reader offers.
    void activate() { emit activated(); }
    // What Shift+F10 does: asks for the menu at the middle of the swatch.
    void requestMenu() { emit menuRequested(rect().center()); }
    // Draws the colour, and the picture a drag carries, as this vision sees it from now on.
    void drawFor(const SimulatedVision& vision);

signals:
    void colorChanged(orvane::ColorValue color);
    void hovered();
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button, QPoint position);
    // A colour dropped here; fromItself when the drag began on this very swatch.
    void dropped(orvane::ColorValue color, bool fromItself);
    void activated();
    // The menu a right click opens, asked for from the keyboard; position is in the swatch.
    void menuRequested(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool acceptsDrag(const QDropEvent* event) const;
    void startDrag();
    void updateAccessibleName();
    // The activatable swatch beside this one in the direction of step, if there is one.
    SwatchWidget* neighbour(QPoint step) const;

    QString accessibleLabel_;
    ColorValue color_ = 0;
    bool acceptsForeignDrops_ = false;
    bool draggable_ = true;
    bool activatable_ = true;
    std::optional<QPoint> dragStart_;
    QPointer<const SimulatedVision> vision_;
};

} // namespace orvane
