#include "widgets/PortalScreenGrabber.h"
#include "support/FakeDesktopPortal.h"
#include "support/PrivateSessionBus.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

// A one-pixel checkerboard at twice the logical desktop's size: any pixel out of place shows.
QImage checkerboard()
{
    const QSize size = desktopGeometry().size() * 2;
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
    return image;
}

QImage blackWithLastPixel(QRgb last)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(39, 29, last);
    return image;
}

// The portal's picture becomes the snapshot with its device pixels and the ratio of them to the
// logical desktop. The file goes when it lies in the temporary folder and stays anywhere else;
// an all-black or unreadable picture is no snapshot.
TEST(PortalScreenGrabberTest, LoadsThePortalsPictureAndTidiesUp)
{
    test::PrivateSessionBus bus;
    test::FakeDesktopPortal service(bus.connect(QStringLiteral("service")));
    PortalScreenGrabber grabber(DesktopPortal(bus.connect(QStringLiteral("client")), 2s));
    QTemporaryDir root;
    const QString temporary = root.filePath(QStringLiteral("tmp"));
    const QString pictures = root.filePath(QStringLiteral("Pictures"));
    QDir().mkpath(temporary);
    QDir().mkpath(pictures);
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporary.toUtf8());

    const struct {
        const char* name;
        QImage picture; // null: a file that is no picture
        QString folder;
        bool snapshot;
        bool removed;
    } rows[] = {
        {"checkerboard in the temporary folder", checkerboard(), temporary, true, true},
        {"checkerboard among the pictures", checkerboard(), pictures, true, false},
        {"all black", blackWithLastPixel(qRgb(0, 0, 0)), temporary, false, true},
        {"black but one pixel", blackWithLastPixel(qRgb(0, 0, 1)), temporary, true, true},
        {"no picture", QImage(), temporary, false, true},
    };
    for (const auto& row : rows) {
        const QString path = row.folder + QStringLiteral("/shot.png");
        if (row.picture.isNull()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        } else {
            ASSERT_TRUE(row.picture.save(path));
        }
        service.planned = {
            {0, {{QStringLiteral("uri"), QUrl::fromLocalFile(path).toString()}}, 0, true}};
        service.requests.clear();

        const QImage snapshot = grabber.grabDesktop();
        EXPECT_EQ(!snapshot.isNull(), row.snapshot) << row.name;
        if (!snapshot.isNull()) {
            EXPECT_EQ(snapshot, row.picture) << row.name;
            EXPECT_EQ(snapshot.devicePixelRatio(),
                      static_cast<qreal>(row.picture.width()) / desktopGeometry().width());
        }
        EXPECT_EQ(!QFile::exists(path), row.removed) << row.name;
        ASSERT_EQ(service.requests.size(), 1) << row.name;
        EXPECT_TRUE(service.requests[0].busyPointer) << row.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << row.name;
        QFile::remove(path);
    }
    qputenv("TMPDIR", savedTemp);
}

} // namespace
} // namespace orvane
