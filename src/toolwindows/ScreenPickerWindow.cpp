// SPDX-License-Identifier: MIT
#include "toolwindows/ScreenPickerWindow.h"

#include "widgets/DevicePointer.h"
#include "widgets/SwatchWidget.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <utility>

namespace orvane {

namespace {

constexpr int kViewSide = kMagnifiedSpan * kMagnifierZoom;
// What the magnifier shows for samples off the snapshot, which only a desktop narrower or
// lower than the block has.
constexpr QRgb kOffSnapshot = 0xFF000000;

// The magnifier panel. Its client area, inside a one-pixel frame, holds the enlarged view, the
// pixel swatch and the target.
class MagnifierPanel : public QFrame {
public:
    MagnifierPanel(std::function<void()> entered, QWidget* parent)
        : QFrame(parent), entered_(std::move(entered))
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }

protected:
    void enterEvent(QEnterEvent* event) override
    {
        QFrame::enterEvent(event);
        entered_();
    }

private:
    std::function<void()> entered_;
};

// The panel's client area; the enlarged view fills its top-left corner.
class MagnifierView : public QWidget {
public:
    MagnifierView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawImage(0, 0, image_);
    }

private:
    const QImage& image_;
};

// A circle round the magnifier's centre cell and a dashed cross through it, so the eye finds the
// pixel that a press would pick.
QPixmap targetPicture()
{
    QPixmap picture(70, 70);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The centre cell covers 35 to 37 here: the picture stands one pixel into the view.
    const QPointF centre(36.5, 36.5);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(centre, 7, 7);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(centre, 7, 7);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, centre.y()), QPointF(centre.x() - 9, centre.y()));
    painter.drawLine(QPointF(centre.x() + 9, centre.y()), QPointF(69, centre.y()));
    painter.drawLine(QPointF(centre.x(), 0), QPointF(centre.x(), centre.y() - 9));
    painter.drawLine(QPointF(centre.x(), centre.y() + 9), QPointF(centre.x(), 69));
    return picture;
}

// A thin cross with a gap in the middle, black on a white outline so it shows on any colour,
// leaving the pixel under the hot spot visible.
QCursor crosshairCursor()
{
    constexpr int side = 31;
    constexpr int middle = side / 2;
    constexpr int gap = 3;
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const auto arms = [&](const QColor& colour, int width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(1, middle, middle - gap, middle);
        painter.drawLine(middle + gap, middle, side - 2, middle);
        painter.drawLine(middle, 1, middle, middle - gap);
        painter.drawLine(middle, middle + gap, middle, side - 2);
    };
    arms(Qt::white, 3);
    arms(Qt::black, 1);
    painter.end();
    return QCursor(picture, middle, middle);
}

ColorValue toColorValue(QRgb rgb)
{
    return qRed(rgb) + qGreen(rgb) * 256 + qBlue(rgb) * 65536;
}

} // namespace

ScreenPickerWindow::ScreenPickerWindow(const QImage& snapshot, std::vector<ScreenPixels> screens,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      snapshot_(snapshot.convertToFormat(QImage::Format_RGB32)), screens_(std::move(screens)),
      window_(pickerWindowPixels(screens_)), magnifier_(kViewSide, kViewSide, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Screen"));
    setWindowTitle(tr("Screen Color Picker"));
    setAccessibleName(tr("Screen colour picker: press a mouse button, Enter or Space to take the "
                         "colour under the pointer, move it with the arrow keys, or press Escape "
                         "to leave"));
    setGeometry(window_.origin.x, window_.origin.y,
                static_cast<int>(std::ceil(window_.deviceSize.x / window_.ratio)),
                static_cast<int>(std::ceil(window_.deviceSize.y / window_.ratio)));
    setMouseTracking(true);
    setCursor(crosshairCursor());
    // The snapshot covers the whole window, so nothing needs erasing before it is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    magnifier_.fill(kOffSnapshot);

    panel_ = new MagnifierPanel([this] { moveMagnifierAside(); }, this);
    panel_->setObjectName(QStringLiteral("Picture1"));
    panel_->setAccessibleName(tr("Magnifier"));
    panel_->setGeometry(kMagnifierPanelHome, kMagnifierPanelHome, 74, 147);

    view_ = new MagnifierView(magnifier_, panel_);
    view_->setGeometry(1, 1, 72, 145);
    view_->setAccessibleName(tr("Pixels around the pointer, enlarged"));

    pixelSwatch_ = new SwatchWidget(tr("Colour under the pointer"), view_);
    pixelSwatch_->setObjectName(QStringLiteral("Picture2"));
    pixelSwatch_->setGeometry(-1, kViewSide, 74, 74);
    // It only shows the colour: the keys stay with the window, which picks with them.
    pixelSwatch_->setDraggable(false);
    pixelSwatch_->setAcceptDrops(false);
    pixelSwatch_->setActivatable(false);

    auto* target = new QLabel(view_);
    target->setObjectName(QStringLiteral("Image1"));
    target->setAccessibleName(tr("Target on the pixel under the pointer"));
    target->setGeometry(1, 1, 70, 70);
    target->setPixmap(targetPicture());

    // The view and all it holds let the pointer through to the panel: the panel sees it enter,
    // and a press anywhere on it reaches the window and picks like any other.
    view_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ScreenPickerWindow::magnifyAt(QPointF position)
{
    pointer_ = deviceUnder(position);
    magnify();
}

void ScreenPickerWindow::followPointer(QPointF position)
{
    // Logical positions come rounded on some platforms, which at ratio 2 loses every odd device
    // pixel; where the platform tells the pointer's device pixel, that one counts.
    pointer_ = exactDevicePointer().value_or(deviceUnder(position));
    magnify();
}

void ScreenPickerWindow::magnify()
{
    const PixelPoint pointer = snapshotPixelOf(pointer_, screenHolding(pointer_, screens_));
    blockOrigin_ = magnifiedBlockOrigin(pointer, snapshot_.width(), snapshot_.height());

    uchar* bits = magnifier_.bits();
    const qsizetype bytesPerLine = magnifier_.bytesPerLine();
    for (int row = 0; row < kMagnifiedSpan; ++row) {
        const int y = blockOrigin_.y + row;
        const bool rowOnSnapshot = y >= 0 && y < snapshot_.height();
        const auto* source =
            rowOnSnapshot ? reinterpret_cast<const QRgb*>(snapshot_.constScanLine(y)) : nullptr;
        auto* firstLine = reinterpret_cast<QRgb*>(bits + row * kMagnifierZoom * bytesPerLine);
        for (int column = 0; column < kMagnifiedSpan; ++column) {
            const int x = blockOrigin_.x + column;
            const QRgb colour =
                rowOnSnapshot && x >= 0 && x < snapshot_.width() ? source[x] : kOffSnapshot;
            std::fill_n(firstLine + column * kMagnifierZoom, kMagnifierZoom, colour);
        }
        for (int repeat = 1; repeat < kMagnifierZoom; ++repeat)
            std::memcpy(bits + (row * kMagnifierZoom + repeat) * bytesPerLine, firstLine,
                        kViewSide * sizeof(QRgb));
    }
    view_->update(0, 0, kViewSide, kViewSide);

    if (const std::optional<ColorValue> colour = colorAt(pointer))
        pixelSwatch_->setColor(*colour);
}

void ScreenPickerWindow::moveMagnifierAside()
{
    panel_->move(magnifierPanelLeftOnEnter(panel_->x(), width()), panel_->y());
}

void ScreenPickerWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    followPointer(mapFromGlobal(QCursor::pos()));
}

// A native Wayland window that appears under a still pointer learns where the pointer is only
// when it enters, well after the show: no motion follows until the user moves.
void ScreenPickerWindow::enterEvent(QEnterEvent* event)
{
    QDialog::enterEvent(event);
    followPointer(event->position());
}

// The window is scaled as a whole, but the screens under it may be scaled each their own way,
// so each screen's part of the snapshot goes where that screen's device pixels are.
void ScreenPickerWindow::paintEvent(QPaintEvent* event)
{
    const QRectF exposed(event->rect());
    QPainter painter(this);
    painter.fillRect(exposed, Qt::black);
    for (const SnapshotPiece& piece : snapshotPieces(window_, screens_)) {
        const QRectF target(piece.targetX, piece.targetY, piece.targetWidth, piece.targetHeight);
        const QRectF shown = exposed & target;
        if (shown.isEmpty())
            continue;
        const qreal scale = piece.source.width / target.width();
        painter.drawImage(shown, snapshot_,
                          QRectF(piece.source.x + (shown.x() - target.x()) * scale,
                                 piece.source.y + (shown.y() - target.y()) * scale,
                                 shown.width() * scale, shown.height() * scale));
    }
}

void ScreenPickerWindow::mouseMoveEvent(QMouseEvent* event)
{
    followPointer(event->position());
}

void ScreenPickerWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    followPointer(event->position());
    pick();
}

void ScreenPickerWindow::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return movePointer(-step, 0);
    case Qt::Key_Right:
        return movePointer(step, 0);
    case Qt::Key_Up:
        return movePointer(0, -step);
    case Qt::Key_Down:
        return movePointer(0, step);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return pick();
    default:
        QDialog::keyPressEvent(event);
    }
}

// Steps in device pixels of the picker's own keeping: at ratio 2 a logical step would be two.
void ScreenPickerWindow::movePointer(int dx, int dy)
{
    pointer_ = steppedPointer(pointer_, dx, dy, screens_);
    moveDevicePointer(pointer_, screenHolding(pointer_, screens_));
    magnify();
}

void ScreenPickerWindow::pick()
{
    picked_ = colorAt(snapshotPixelOf(pointer_, screenHolding(pointer_, screens_)));
    if (picked_)
        accept();
    else
        reject();
}

// The platform scales the window as a whole from its top-left corner, also where it spans
// screens of other ratios.
PixelPoint ScreenPickerWindow::deviceUnder(QPointF position) const
{
    return devicePixelAt(window_.origin.x + position.x(), window_.origin.y + position.y(), window_);
}

std::optional<ColorValue> ScreenPickerWindow::colorAt(PixelPoint pixel) const
{
    if (!snapshot_.valid(pixel.x, pixel.y))
        return std::nullopt;
    return toColorValue(reinterpret_cast<const QRgb*>(snapshot_.constScanLine(pixel.y))[pixel.x]);
}

} // namespace orvane
