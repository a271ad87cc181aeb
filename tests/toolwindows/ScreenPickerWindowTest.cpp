#include "toolwindows/ScreenPickerWindow.h"

#include "widgets/SwatchWidget.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orvane {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// Every pixel of a prepared snapshot has its own colour: red and green carry the low bits of x
// and y, blue the high ones.
QRgb patternAt(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4));
}

ColorValue patternValue(int x, int y)
{
    const QRgb rgb = patternAt(x, y);
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

QImage patternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, patternAt(x, y));
    return image;
}

class ScreenPickerWindowTest : public testing::Test {
protected:
    ScreenPickerWindow& open(const QImage& snapshot, QRect desktop = {0, 0, kWidth, kHeight})
    {
        window_ = std::make_unique<ScreenPickerWindow>(snapshot, desktop);
        return *window_;
    }
    ScreenPickerWindow& open() { return open(patternImage(kWidth, kHeight)); }

    QWidget* panel() const { return window_->findChild<QWidget*>("Picture1"); }
    SwatchWidget* pixelSwatch() const { return window_->findChild<SwatchWidget*>("Picture2"); }

    // Checks all 72 x 72 pixels of the magnifier against the block that starts at this snapshot
    // pixel: sample (i, j) fills the square 3i .. 3i + 2, 3j .. 3j + 2.
    void expectMagnifies(PixelPoint origin)
    {
        EXPECT_EQ(window_->blockOrigin(), origin);
        const QImage& image = window_->magnifierImage();
        ASSERT_EQ(image.size(), QSize(72, 72));
        int wrong = 0;
        for (int y = 0; y < 72; ++y)
            for (int x = 0; x < 72; ++x)
                wrong += image.pixel(x, y) != patternAt(origin.x + x / 3, origin.y + y / 3);
        EXPECT_EQ(wrong, 0);
    }

    std::unique_ptr<ScreenPickerWindow> window_;
};

// Rows: pointer, then the first snapshot pixel of the 24 x 24 block shown. Where the block stops
// at the edges is the picker geometry's to check; the far corner shows which extent is which.
TEST_F(ScreenPickerWindowTest, MagnifiesTheBlockAroundThePointerAndMovesThePanelAside)
{
    open();
    const std::pair<QPoint, PixelPoint> cases[] = {
        {{100, 100}, {88, 88}},
        {{kWidth - 1, kHeight - 1}, {kWidth - 24, kHeight - 24}},
    };
    for (const auto& [pointer, origin] : cases) {
        SCOPED_TRACE(testing::Message() << pointer.x() << ", " << pointer.y());
        window_->magnifyAt(QPointF(pointer));
        expectMagnifies(origin);
        EXPECT_EQ(pixelSwatch()->color(), patternValue(pointer.x(), pointer.y()));
    }

    QEnterEvent enter(QPointF(5, 5), QPointF(45, 45), QPointF(45, 45));
    QApplication::sendEvent(panel(), &enter);
    EXPECT_EQ(panel()->pos(), QPoint(kWidth - 120, 40));
}

TEST_F(ScreenPickerWindowTest, AnyButtonPicksButEscapeLeavesWithoutAPick)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ScreenPickerWindow& picker = open();
        picker.show();
        QTest::mousePress(&picker, button, Qt::NoModifier, QPoint(210, 130));
        EXPECT_EQ(picker.result(), QDialog::Accepted) << button;
        EXPECT_EQ(picker.pickedColor(), patternValue(210, 130)) << button;
    }
    ScreenPickerWindow& escaped = open();
    escaped.show();
    escaped.magnifyAt(QPointF(100, 100));
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.pickedColor(), std::nullopt);
}

// Two device pixels to a logical one: the pointer's logical position picks the device pixel
// under it.
TEST_F(ScreenPickerWindowTest, HighDensitySnapshotKeepsItsDevicePixels)
{
    QImage snapshot = patternImage(2 * kWidth, 2 * kHeight);
    snapshot.setDevicePixelRatio(2);
    ScreenPickerWindow& picker = open(snapshot);
    picker.magnifyAt(QPointF(50, 50));
    expectMagnifies({88, 88});
    EXPECT_EQ(pixelSwatch()->color(), patternValue(100, 100));

    picker.show();
    QTest::mousePress(&picker, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(picker.pickedColor(), patternValue(100, 100));
}

} // namespace
} // namespace orvane
