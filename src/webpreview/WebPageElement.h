// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvane {

class SimulatedVision;

// One element of the mock web page. A panel fills its area with its colour; a text draws its
// words in its colour and lets the panel behind it show through. What a click or a drop does is
// the window's business: the element only reports it.
class WebPageElement : public QWidget {
    Q_OBJECT
public:
    // label names the element to a screen reader; an element without text is a panel.
    WebPageElement(QString label, QString text, QWidget* parent);

    ColorValue color() const { return color_; }
    void setColor(ColorValue color);
    // Paints the colour as this vision sees it from now on.
    void drawFor(const SimulatedVision& vision);

signals:
    void colorChanged();
    void hovered();
    void released(Qt::MouseButton button, QPoint position);
    // A colour from whichever swatch the user dragged, in this window or another.
    void dropped(ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString label_;
    QString text_;
    ColorValue color_ = 0;
    QPointer<const SimulatedVision> vision_;
};

} // namespace orvane
