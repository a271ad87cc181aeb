// SPDX-License-Identifier: MIT
#include "widgets/ScreenGrabber.h"
#include "widgets/X11DesktopGrab.h"

#include <QSysInfo>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// A screen whose every pixel tells where it came from: red and green are x and y, blue tells
// the screens apart.
ScreenPicture screenAt(QRect geometry, qreal ratio, int screen)
{
    const QSize device = (QSizeF(geometry.size()) * ratio).toSize();
    QImage image(device, QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, screen));
    return {geometry, ratio, image};
}

// A platform that will not hand a screen over gives an empty picture; the desktop is then
// refused as a whole rather than shown in part.
TEST(ComposeDesktopTest, ScreensStandAtTheirPlacesOrTheDesktopIsRefused)
{
    // A taller screen on the left of the origin and a shorter one on its right.
    const QImage desktop =
        composeDesktop({screenAt({0, 0, 100, 60}, 1, 1), screenAt({-80, -20, 80, 90}, 1, 2)});
    ASSERT_EQ(desktop.size(), QSize(180, 90));
    EXPECT_EQ(desktop.pixel(0, 0), qRgb(0, 0, 2));
    EXPECT_EQ(desktop.pixel(80, 20), qRgb(0, 0, 1));
    EXPECT_EQ(desktop.pixel(179, 79), qRgb(99, 59, 1));
    EXPECT_EQ(desktop.pixel(130, 85), qRgb(0, 0, 0)) << "no screen shows this corner";

    EXPECT_TRUE(composeDesktop({}).isNull());
    EXPECT_TRUE(
        composeDesktop({screenAt({0, 0, 100, 50}, 1, 1), {QRect(100, 0, 100, 50), 1, QImage()}})
            .isNull());
}

// Beside a screen of ratio 2, a screen of ratio 1 is enlarged by repeating its pixels: each
// becomes two by two of the same colour, never a blend of neighbours.
TEST(ComposeDesktopTest, MixedRatiosUseTheHighestAndRepeatPixels)
{
    const ScreenPicture dense = screenAt({0, 0, 100, 50}, 2, 1);
    const QImage desktop = composeDesktop({dense, screenAt({100, 0, 60, 50}, 1, 2)});
    ASSERT_EQ(desktop.size(), QSize(320, 100));
    EXPECT_EQ(desktop.devicePixelRatio(), 2);
    EXPECT_EQ(desktop.copy(0, 0, 200, 100).convertToFormat(QImage::Format_RGB32), dense.picture);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 200; x < 320; ++x)
            wrong += desktop.pixel(x, y) != qRgb((x - 200) / 2, y / 2, 2);
    EXPECT_EQ(wrong, 0);
}

// Only the usual layout of a 24-bit X screen is taken as it comes; any other falls back to Qt.
TEST(X11DesktopGrabTest, OnlyRgbInThirtyTwoBitsInTheHostsByteOrderIsWrapped)
{
    const bool host = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    EXPECT_TRUE(wrapsAsRgb32({24, 32, host, 0xFF0000, 0xFF00, 0xFF}));
    for (const X11PixelLayout& other : {X11PixelLayout{32, 32, host, 0xFF0000, 0xFF00, 0xFF},
                                        X11PixelLayout{24, 24, host, 0xFF0000, 0xFF00, 0xFF},
                                        X11PixelLayout{24, 32, !host, 0xFF0000, 0xFF00, 0xFF},
                                        X11PixelLayout{24, 32, host, 0xFF, 0xFF00, 0xFF0000}})
        EXPECT_FALSE(wrapsAsRgb32(other)) << other.depth << " " << other.bitsPerPixel;
}

} // namespace
} // namespace orvane
