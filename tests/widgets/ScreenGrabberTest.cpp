#include "widgets/ScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// A picture whose every pixel tells where it came from: red and green are x and y, blue tells
// the screens apart.
QImage screenPicture(int width, int height, int screen)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, screen));
    return image;
}

ScreenPicture screenAt(QRect geometry, qreal ratio, int screen)
{
    const QSize device = (QSizeF(geometry.size()) * ratio).toSize();
    return {geometry, ratio, screenPicture(device.width(), device.height(), screen)};
}

TEST(ComposeDesktopTest, OneScreenIsTakenAsItIs)
{
    const ScreenPicture only = screenAt({0, 0, 120, 80}, 1, 7);
    const QImage desktop = composeDesktop({only});
    ASSERT_FALSE(desktop.isNull());
    EXPECT_EQ(desktop.size(), QSize(120, 80));
    EXPECT_EQ(desktop.devicePixelRatio(), 1);
    EXPECT_EQ(desktop.convertToFormat(QImage::Format_RGB32), only.picture);
}

TEST(ComposeDesktopTest, ScreensStandAtTheirPlacesInTheVirtualDesktop)
{
    // A taller screen on the left of the origin and a shorter one on its right.
    const QImage desktop =
        composeDesktop({screenAt({0, 0, 100, 60}, 1, 1), screenAt({-80, -20, 80, 90}, 1, 2)});
    ASSERT_EQ(desktop.size(), QSize(180, 90));
    EXPECT_EQ(desktop.pixel(0, 0), qRgb(0, 0, 2));
    EXPECT_EQ(desktop.pixel(79, 89), qRgb(79, 89, 2));
    EXPECT_EQ(desktop.pixel(80, 20), qRgb(0, 0, 1));
    EXPECT_EQ(desktop.pixel(179, 79), qRgb(99, 59, 1));
    EXPECT_EQ(desktop.pixel(130, 10), qRgb(0, 0, 0)) << "no screen shows this corner";
    EXPECT_EQ(desktop.pixel(130, 85), qRgb(0, 0, 0)) << "nor this one";
}

TEST(ComposeDesktopTest, HighDensityScreenKeepsItsDevicePixels)
{
    const ScreenPicture dense = screenAt({0, 0, 100, 50}, 2, 1);
    const QImage desktop = composeDesktop({dense});
    ASSERT_EQ(desktop.size(), QSize(200, 100));
    EXPECT_EQ(desktop.devicePixelRatio(), 2);
    EXPECT_EQ(desktop.convertToFormat(QImage::Format_RGB32), dense.picture);
}

// Beside a screen of ratio 2, a screen of ratio 1 is enlarged by repeating its pixels: each
// becomes two by two of the same colour, never a blend of neighbours.
TEST(ComposeDesktopTest, MixedRatiosUseTheHighestAndRepeatPixels)
{
    const ScreenPicture dense = screenAt({0, 0, 100, 50}, 2, 1);
    const ScreenPicture plain = screenAt({100, 0, 60, 50}, 1, 2);
    const QImage desktop = composeDesktop({dense, plain});
    ASSERT_EQ(desktop.size(), QSize(320, 100));
    EXPECT_EQ(desktop.devicePixelRatio(), 2);
    EXPECT_EQ(desktop.copy(0, 0, 200, 100).convertToFormat(QImage::Format_RGB32), dense.picture);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 200; x < 320; ++x)
            if (desktop.pixel(x, y) != qRgb((x - 200) / 2, y / 2, 2))
                ++wrong;
    EXPECT_EQ(wrong, 0);
}

TEST(ComposeDesktopTest, FractionalRatio)
{
    const ScreenPicture screen = screenAt({10, 10, 100, 60}, 1.5, 3);
    ASSERT_EQ(screen.picture.size(), QSize(150, 90));
    const QImage desktop = composeDesktop({screen});
    ASSERT_EQ(desktop.size(), QSize(150, 90));
    EXPECT_EQ(desktop.devicePixelRatio(), 1.5);
    EXPECT_EQ(desktop.convertToFormat(QImage::Format_RGB32), screen.picture);
}

// A platform that will not hand the screen over gives empty pictures; so does one screen of
// several. The desktop is then refused as a whole rather than shown in part.
TEST(ComposeDesktopTest, RefusedWhenAnyScreenGaveNoPicture)
{
    EXPECT_TRUE(composeDesktop({}).isNull());
    EXPECT_TRUE(composeDesktop({{QRect(0, 0, 100, 50), 1, QImage()}}).isNull());
    EXPECT_TRUE(
        composeDesktop({screenAt({0, 0, 100, 50}, 1, 1), {QRect(100, 0, 100, 50), 1, QImage()}})
            .isNull());
    EXPECT_TRUE(
        composeDesktop({{QRect(0, 0, 100, 50), 1, QImage(0, 0, QImage::Format_RGB32)}}).isNull());
}

TEST(DesktopGeometryTest, CoversEveryScreen)
{
    const QRect desktop = desktopGeometry();
    EXPECT_EQ(desktop, QGuiApplication::primaryScreen()->virtualGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        EXPECT_TRUE(desktop.contains(screen->geometry()));
}

// The real grab, on the test platform: a window filling the screen is what the snapshot shows.
TEST(QtScreenGrabberTest, GrabsWhatTheScreenShows)
{
    QWidget cover(nullptr, Qt::FramelessWindowHint);
    cover.setAutoFillBackground(true);
    QPalette palette = cover.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    cover.setPalette(palette);
    cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));

    const QImage desktop = QtScreenGrabber().grabDesktop();
    ASSERT_FALSE(desktop.isNull());
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_EQ(desktop.devicePixelRatio(), ratio);
    EXPECT_EQ(desktop.size(), (QSizeF(desktopGeometry().size()) * ratio).toSize());
    const QPoint middle =
        (QPointF(cover.geometry().center() - desktopGeometry().topLeft()) * ratio).toPoint();
    EXPECT_EQ(desktop.pixel(middle), qRgb(10, 200, 30));
}

} // namespace
} // namespace orvane
