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
// click.
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
    // Draws the colour, and the picture a drag carries, as this vision sees it from now on.
    void drawFor(const SimulatedVision& vision);

signals:
    void colorChanged(orvane::ColorValue color);
    void hovered();
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button, QPoint position);
    // A colour dropped here; fromItself when the drag began on this very swatch.
    void dropped(orvane::ColorValue color, bool fromItself);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool acceptsDrag(const QDropEvent* event) const;
    void startDrag();
    void updateAccessibleName();

    QString accessibleLabel_;
    ColorValue color_ = 0;
    bool acceptsForeignDrops_ = false;
    bool draggable_ = true;
    std::optional<QPoint> dragStart_;
    QPointer<const SimulatedVision> vision_;
};

} // namespace orvane
