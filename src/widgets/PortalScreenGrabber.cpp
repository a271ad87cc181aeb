// SPDX-License-Identifier: MIT
#include "widgets/PortalScreenGrabber.h"

#include "core/DesktopSession.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace orvane {

namespace {

// Only a picture the portal left in the temporary folder is ours to remove: a desktop may as
// well save its screenshots among the user's pictures, and those stay.
bool isInTemporaryFolder(const QString& path)
{
    const QString folder = QDir(QDir::tempPath()).canonicalPath();
    const QString parent = QFileInfo(path).canonicalPath();
    return !folder.isEmpty() && (parent == folder || parent.startsWith(folder + QLatin1Char('/')));
}

bool isUniformlyBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(row[x]) != 0 || qGreen(row[x]) != 0 || qBlue(row[x]) != 0)
                return false;
    }
    return true;
}

} // namespace

PortalScreenGrabber::PortalScreenGrabber(DesktopPortal portal, DesktopPortal picker)
    : portal_(std::move(portal)), picker_(std::move(picker))
{
}

QImage PortalScreenGrabber::grabDesktop()
{
    // The desktop may first ask the user for permission; until it answers, the program shows
    // it is waiting rather than frozen.
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    const std::optional<QUrl> uri = portal_.screenshot();
    QGuiApplication::restoreOverrideCursor();
    if (!uri || !uri->isLocalFile())
        return {};

    const QString path = uri->toLocalFile();
    QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (isInTemporaryFolder(path))
        QFile::remove(path);
    if (image.isNull() || isUniformlyBlack(image))
        return {};
    // The portal's picture holds the desktop's device pixels; how many there are to a logical
    // pixel follows from the logical size the screens cover.
    const QRect desktop = desktopGeometry();
    if (!desktop.isEmpty())
        image.setDevicePixelRatio(static_cast<qreal>(image.width()) / desktop.width());
    return image;
}

DesktopColorPick PortalScreenGrabber::pickColor()
{
    if (screenPickerKind(QGuiApplication::platformName().toStdString(),
                         static_cast<int>(QGuiApplication::screens().size())) !=
        ScreenPickerKind::DesktopPicker)
        return {};
    return picker_.pickColor();
}

} // namespace orvane
