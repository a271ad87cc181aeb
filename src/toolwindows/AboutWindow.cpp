// SPDX-License-Identifier: MIT
#include "toolwindows/AboutWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace orvane {

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 240;
constexpr int kHueSteps = 12;

const QColor kPaper(246, 243, 236);
const QColor kInk(44, 44, 52);

// Twelve hue wedges around a hole, like the hue ring the scheme swatches are taken from.
void paintWheel(QPainter& painter, QPointF centre, qreal outer, qreal inner)
{
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    const qreal step = 360.0 / kHueSteps;
    painter.setPen(QPen(kPaper, 2));
    for (int wedge = 0; wedge < kHueSteps; ++wedge) {
        // Red at the top, hues running clockwise.
        const qreal start = 90 - (wedge + 0.5) * step;
        QPainterPath path;
        path.arcMoveTo(outerBox, start);
        path.arcTo(outerBox, start, step);
        path.arcTo(innerBox, start + step, -step);
        path.closeSubpath();
        painter.setBrush(QColor::fromHsv(static_cast<int>(wedge * step), 200, 235));
        painter.drawPath(path);
    }
}

// A row of tints and shades of one hue, standing for a derived scheme.
void paintSwatchRow(QPainter& painter, QPoint topLeft, int hue)
{
    const int lightness[] = {215, 175, 135, 95};
    painter.setPen(Qt::NoPen);
    for (int step = 0; step < 4; ++step) {
        painter.setBrush(QColor::fromHsl(hue, 170, lightness[step]));
        painter.drawRoundedRect(QRect(topLeft + QPoint(step * 34, 0), QSize(30, 18)), 3, 3);
    }
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Frm_About"));
    setAccessibleName(tr("About Orvane"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    auto* version = new QLabel(
        tr("VER: %1\n%2").arg(QStringLiteral(ORVANE_VERSION), QStringLiteral("orvane.example.org")),
        this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setAccessibleName(tr("Version and web address"));
    version->setGeometry(8, 6, 151, 28);

    auto* lifetime = new QTimer(this);
    lifetime->setObjectName(QStringLiteral("Timer1"));
    lifetime->setSingleShot(true);
    lifetime->setInterval(kAboutLifetimeMs);
    connect(lifetime, &QTimer::timeout, this, &QWidget::close);
    lifetime->start();

    move(screen()->availableGeometry().center() - rect().center());
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kPaper);

    paintWheel(painter, QPointF(270, 110), 80, 36);

    QFont title = font();
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kInk);
    painter.drawText(QRect(14, 120, 170, 56), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Orvane"));

    QFont subtitle = font();
    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.drawText(QRect(16, 174, 170, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("colour-scheme designer"));

    paintSwatchRow(painter, QPoint(16, 206), 8);
    paintSwatchRow(painter, QPoint(190, 206), 200);

    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    // The version label takes no clicks of its own; a click on it leaves the window open.
    if (event->button() != Qt::LeftButton || childAt(event->position().toPoint()) != nullptr)
        return;
    close();
}

} // namespace orvane
