// SPDX-License-Identifier: MIT
#include "widgets/ScreenGrabber.h"

#include "widgets/X11DesktopGrab.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

int toDevice(int logical, qreal ratio)
{
    return static_cast<int>(std::floor(logical * ratio));
}

// Where a screen at this logical place lands in a snapshot of the desktop at this ratio.
QRect snapshotPlace(const QRect& geometry, const QPoint& desktopOrigin, qreal ratio)
{
    const QRect place = geometry.translated(-desktopOrigin);
    return {QPoint(toDevice(place.left(), ratio), toDevice(place.top(), ratio)),
            QPoint(toDevice(place.left() + place.width(), ratio) - 1,
                   toDevice(place.top() + place.height(), ratio) - 1)};
}

// Where a screen's device pixels stand on the X root window: Qt keeps a screen's top-left corner
// in device pixels and scales only its size.
QRect rootPlace(const QScreen* screen)
{
    const QRect geometry = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    return {geometry.topLeft(),
            QSize(qRound(geometry.width() * ratio), qRound(geometry.height() * ratio))};
}

// A picture of part of an image that shares its pixels and keeps it alive for as long as needed.
QImage sharedPart(const QImage& image, const QRect& part)
{
    if (part == image.rect())
        return image;
    auto* owner = new QImage(image);
    return QImage(
        owner->constScanLine(part.y()) + part.x() * 4, part.width(), part.height(),
        owner->bytesPerLine(), owner->format(),
        [](void* held) { delete static_cast<QImage*>(held); }, owner);
}

// On X the whole desktop comes in one request, and each screen's picture is its part of it.
QList<ScreenPicture> x11Pictures(X11SnapshotMemory& memory)
{
    QRect device;
    for (const QScreen* screen : QGuiApplication::screens())
        device |= rootPlace(screen);
    const QImage root = grabX11Root(device, memory);
    if (root.isNull())
        return {};
    QList<ScreenPicture> pictures;
    for (const QScreen* screen : QGuiApplication::screens())
        pictures.push_back({screen->geometry(), screen->devicePixelRatio(),
                            sharedPart(root, rootPlace(screen).translated(-device.topLeft()))});
    return pictures;
}

} // namespace

QImage QtScreenGrabber::grabDesktop()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (const QList<ScreenPicture> pictures = x11Pictures(x11Memory_); !pictures.isEmpty())
            return composeDesktop(pictures);
    QList<ScreenPicture> pictures;
    for (QScreen* screen : QGuiApplication::screens())
        pictures.push_back(
            {screen->geometry(), screen->devicePixelRatio(), screen->grabWindow(0).toImage()});
    return composeDesktop(pictures);
}

QRect desktopGeometry()
{
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    return desktop;
}

std::vector<ScreenPixels> screenPixels(qreal snapshotRatio)
{
    const QPoint desktopOrigin = desktopGeometry().topLeft();
    std::vector<ScreenPixels> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect place = snapshotPlace(geometry, desktopOrigin, snapshotRatio);
        screens.push_back({{geometry.x(), geometry.y()},
                           {qRound(geometry.width() * ratio), qRound(geometry.height() * ratio)},
                           ratio,
                           {place.x(), place.y()},
                           snapshotRatio / ratio});
    }
    return screens;
}

// The picker maps a logical pointer position to a snapshot pixel with one ratio for the whole
// desktop, so the snapshot uses one: the highest among the screens, which keeps every device
// pixel of the densest screen. A screen with a lower ratio is enlarged to it by repeating pixels,
// never by blending them, so every pixel of the snapshot is a colour that was on the screen.
// Each screen lands at its logical position times that ratio; parts of the bounding rectangle
// that no screen covers stay black. With one ratio on every screen, the usual case, the
// snapshot holds exactly the device pixels that were shown.
QImage composeDesktop(const QList<ScreenPicture>& screens)
{
    if (screens.isEmpty())
        return {};
    QRect desktop;
    qreal ratio = 1;
    for (const ScreenPicture& screen : screens) {
        if (screen.picture.isNull()) // as an image of no pixels is too
            return {};
        desktop |= screen.geometry;
        ratio = std::max(ratio, screen.devicePixelRatio);
    }

    // One screen is the desktop itself: its picture serves unchanged, without a second copy.
    const QSize size(toDevice(desktop.width(), ratio), toDevice(desktop.height(), ratio));
    if (screens.size() == 1 && screens.front().picture.size() == size &&
        screens.front().picture.format() == QImage::Format_RGB32) {
        QImage image = screens.front().picture;
        image.setDevicePixelRatio(ratio);
        return image;
    }

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const ScreenPicture& screen : screens)
        // Drawing into a rectangle takes every pixel of the picture, whatever its own ratio.
        painter.drawImage(snapshotPlace(screen.geometry, desktop.topLeft(), ratio), screen.picture);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace orvane
