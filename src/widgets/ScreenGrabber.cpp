#include "widgets/ScreenGrabber.h"

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

} // namespace

QImage QtScreenGrabber::grabDesktop()
{
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

    QImage image(toDevice(desktop.width(), ratio), toDevice(desktop.height(), ratio),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const ScreenPicture& screen : screens) {
        const QRect place = screen.geometry.translated(-desktop.topLeft());
        const QRect target(QPoint(toDevice(place.left(), ratio), toDevice(place.top(), ratio)),
                           QPoint(toDevice(place.left() + place.width(), ratio) - 1,
                                  toDevice(place.top() + place.height(), ratio) - 1));
        // Drawing into a rectangle takes every pixel of the picture, whatever its own ratio.
        painter.drawImage(target, screen.picture);
    }
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace orvane
