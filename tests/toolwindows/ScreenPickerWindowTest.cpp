#include "toolwindows/ScreenPickerWindow.h"

#include "widgets/SwatchWidget.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QLabel>
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

    // Checks all 72 × 72 pixels of the magnifier against the block that starts at this snapshot
    // pixel: sample (i, j) fills the square 3i .. 3i + 2, 3j .. 3j + 2.
    void expectMagnifies(PixelPoint origin, int snapshotWidth, int snapshotHeight)
    {
        EXPECT_EQ(window_->blockOrigin(), origin);
        const QImage& image = window_->magnifierImage();
        ASSERT_EQ(image.size(), QSize(72, 72));
        int wrong = 0;
        for (int y = 0; y < 72; ++y) {
            for (int x = 0; x < 72; ++x) {
                const int sx = origin.x + x / 3;
                const int sy = origin.y + y / 3;
                const bool onSnapshot =
                    sx >= 0 && sx < snapshotWidth && sy >= 0 && sy < snapshotHeight;
                const QRgb expected = onSnapshot ? patternAt(sx, sy) : qRgb(0, 0, 0);
                if (image.pixel(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << "magnifier pixel (" << x << ", " << y << ") should show ("
                                  << sx << ", " << sy << ")";
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    std::unique_ptr<ScreenPickerWindow> window_;
};

TEST_F(ScreenPickerWindowTest, BorderlessWindowOverTheDesktopWithTheMagnifierPanel)
{
    ScreenPickerWindow& picker = open(patternImage(kWidth, kHeight), QRect(-50, 20, 400, 300));
    EXPECT_EQ(picker.objectName(), "Screen");
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(picker.geometry(), QRect(-50, 20, 400, 300));
    EXPECT_TRUE(picker.hasMouseTracking());
    EXPECT_EQ(picker.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(picker.cursor().hotSpot(), QPoint(15, 15));
    EXPECT_FALSE(picker.accessibleName().isEmpty());

    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->geometry(), QRect(40, 40, 74, 147));
    ASSERT_NE(pixelSwatch(), nullptr);
    EXPECT_EQ(pixelSwatch()->geometry(), QRect(-1, 72, 74, 74));
    EXPECT_TRUE(panel()->isAncestorOf(pixelSwatch()));
    auto* target = picker.findChild<QLabel*>("Image1");
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->geometry(), QRect(1, 1, 70, 70));
    EXPECT_EQ(target->parentWidget(), pixelSwatch()->parentWidget());
    EXPECT_EQ(pixelSwatch()->parentWidget()->geometry().topLeft(), QPoint(1, 1))
        << "the controls stand in the client area inside the panel's frame";
    for (const QWidget* control :
         {panel(), static_cast<QWidget*>(pixelSwatch()), static_cast<QWidget*>(target)})
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();

    // The target is our own drawing: see-through apart from its circle and cross.
    const QImage drawn = target->pixmap().toImage();
    ASSERT_EQ(drawn.size(), QSize(70, 70));
    EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(36, 36)), 0) << "the centre cell stays visible";
    EXPECT_GT(qAlpha(drawn.pixel(36, 2)), 0) << "the cross's upper arm";
    EXPECT_GT(qAlpha(drawn.pixel(36, 29)), 0) << "the circle above the centre";
}

TEST_F(ScreenPickerWindowTest, ShowsTheSnapshotItWasGiven)
{
    ScreenPickerWindow& picker = open();
    const QImage shown = picker.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
    for (const QPoint point : {QPoint(0, 0), QPoint(200, 200), QPoint(399, 299), QPoint(300, 45)})
        EXPECT_EQ(shown.pixel(point), patternAt(point.x(), point.y()))
            << point.x() << ", " << point.y();
    EXPECT_NE(shown.pixel(40, 40), patternAt(40, 40)) << "the panel's frame covers it";
}

TEST_F(ScreenPickerWindowTest, MagnifiesTheBlockAroundThePointer)
{
    open();
    window_->magnifyAt(QPointF(100, 100));
    expectMagnifies({88, 88}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(100, 100));
    // The centre cell shows the pixel under the pointer.
    for (int y = 36; y <= 38; ++y)
        for (int x = 36; x <= 38; ++x)
            EXPECT_EQ(window_->magnifierImage().pixel(x, y), patternAt(100, 100));

    window_->magnifyAt(QPointF(5, 5));
    expectMagnifies({0, 0}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(5, 5));

    window_->magnifyAt(QPointF(12, 250));
    expectMagnifies({0, 238}, kWidth, kHeight);
}

TEST_F(ScreenPickerWindowTest, BlockStopsAtTheRightAndBottomEdges)
{
    open();
    window_->magnifyAt(QPointF(kWidth - 20, 100));
    expectMagnifies({kWidth - 24, 88}, kWidth, kHeight);
    EXPECT_EQ(window_->magnifierImage().pixel(71, 36), patternAt(kWidth - 1, 100))
        << "the last column of the desktop fills the right edge";
    EXPECT_EQ(pixelSwatch()->color(), patternValue(kWidth - 20, 100));

    window_->magnifyAt(QPointF(kWidth - 24, 100));
    expectMagnifies({kWidth - 36, 88}, kWidth, kHeight);

    window_->magnifyAt(QPointF(100, kHeight - 20));
    expectMagnifies({88, kHeight - 24}, kWidth, kHeight);
    window_->magnifyAt(QPointF(100, kHeight - 24));
    expectMagnifies({88, kHeight - 36}, kWidth, kHeight);

    window_->magnifyAt(QPointF(kWidth - 1, kHeight - 1));
    expectMagnifies({kWidth - 24, kHeight - 24}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(kWidth - 1, kHeight - 1));
}

TEST_F(ScreenPickerWindowTest, PointerMovementsRedrawTheMagnifier)
{
    ScreenPickerWindow& picker = open();
    QCursor::setPos(picker.mapToGlobal(QPoint(220, 170)));
    picker.show();
    expectMagnifies({208, 158}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(220, 170)) << "from the moment it opens";

    QTest::mouseMove(&picker, QPoint(150, 120));
    expectMagnifies({138, 108}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(150, 120));
    QTest::mouseMove(&picker, QPoint(390, 8));
    expectMagnifies({kWidth - 24, 0}, kWidth, kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(390, 8));
}

TEST_F(ScreenPickerWindowTest, PanelJumpsBetweenTheLeftAndTheRightWhenThePointerEntersIt)
{
    open();
    QEnterEvent enter(QPointF(5, 5), QPointF(45, 45), QPointF(45, 45));
    QApplication::sendEvent(panel(), &enter);
    EXPECT_EQ(panel()->pos(), QPoint(kWidth - 120, 40));
    QApplication::sendEvent(panel(), &enter);
    EXPECT_EQ(panel()->pos(), QPoint(40, 40));
    window_->moveMagnifierAside();
    EXPECT_EQ(panel()->pos(), QPoint(kWidth - 120, 40));
}

TEST_F(ScreenPickerWindowTest, AnyButtonPressPicksThePixelUnderThePointer)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ScreenPickerWindow& picker = open();
        picker.show();
        QTest::mousePress(&picker, button, Qt::NoModifier, QPoint(210, 130));
        EXPECT_EQ(picker.result(), QDialog::Accepted) << button;
        EXPECT_FALSE(picker.isVisible()) << button;
        EXPECT_EQ(picker.pickedColor(), patternValue(210, 130)) << button;
    }

    // A press on the panel, even on its pixel swatch, reaches the window and picks the desktop
    // pixel under it.
    ScreenPickerWindow& picker = open();
    picker.show();
    const QPoint onSwatch(60, 160);
    QWidget* receiver = picker.childAt(onSwatch);
    ASSERT_NE(receiver, nullptr);
    QTest::mousePress(receiver, Qt::LeftButton, Qt::NoModifier,
                      receiver->mapFrom(&picker, onSwatch));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.pickedColor(), patternValue(60, 160));
}

TEST_F(ScreenPickerWindowTest, LeavingWithoutAPickReportsNone)
{
    ScreenPickerWindow& escaped = open();
    escaped.show();
    escaped.magnifyAt(QPointF(100, 100));
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.result(), QDialog::Rejected);
    EXPECT_EQ(escaped.pickedColor(), std::nullopt);

    ScreenPickerWindow& closed = open();
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), QDialog::Rejected);
    EXPECT_EQ(closed.pickedColor(), std::nullopt);
}

// A snapshot with two device pixels to a logical one: the pointer's logical position picks the
// device pixel under it.
TEST_F(ScreenPickerWindowTest, HighDensitySnapshotKeepsItsDevicePixels)
{
    QImage snapshot = patternImage(2 * kWidth, 2 * kHeight);
    snapshot.setDevicePixelRatio(2);
    ScreenPickerWindow& picker = open(snapshot);

    picker.magnifyAt(QPointF(50, 50));
    expectMagnifies({88, 88}, 2 * kWidth, 2 * kHeight);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(100, 100));
    picker.magnifyAt(QPointF(50.5, 60));
    EXPECT_EQ(pixelSwatch()->color(), patternValue(101, 120)) << "half a logical pixel is one";
    picker.magnifyAt(QPointF(kWidth - 10, 10));
    expectMagnifies({2 * kWidth - 24, 8}, 2 * kWidth, 2 * kHeight);

    picker.show();
    QTest::mousePress(&picker, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(picker.pickedColor(), patternValue(100, 100));
}

TEST_F(ScreenPickerWindowTest, HighDensitySnapshotIsShownAtLogicalSize)
{
    // Each logical pixel is two by two device pixels of one colour, so the picture shown at one
    // pixel to one has a single right answer.
    QImage snapshot(2 * kWidth, 2 * kHeight, QImage::Format_RGB32);
    for (int y = 0; y < snapshot.height(); ++y)
        for (int x = 0; x < snapshot.width(); ++x)
            snapshot.setPixel(x, y, patternAt(x / 2, y / 2));
    snapshot.setDevicePixelRatio(2);
    ScreenPickerWindow& picker = open(snapshot);
    const QImage shown = picker.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
    for (const QPoint point : {QPoint(150, 100), QPoint(399, 299), QPoint(300, 10)})
        EXPECT_EQ(shown.pixel(point), patternAt(point.x(), point.y()))
            << point.x() << ", " << point.y();

    // A part uncovered again is painted from the matching part of the snapshot.
    const QRect part(300, 250, 8, 6);
    QImage repainted(part.size(), QImage::Format_RGB32);
    picker.render(&repainted, QPoint(), QRegion(part));
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            EXPECT_EQ(repainted.pixel(x, y), patternAt(part.x() + x, part.y() + y))
                << x << ", " << y;
}

// Samples and presses off a snapshot smaller than the window are left out, never read.
TEST_F(ScreenPickerWindowTest, SmallSnapshotIsNeverReadOutside)
{
    ScreenPickerWindow& picker = open(patternImage(20, 16));
    picker.magnifyAt(QPointF(10, 10));
    expectMagnifies({0, 0}, 20, 16);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(10, 10));

    picker.magnifyAt(QPointF(200, 200));
    expectMagnifies({-4, -8}, 20, 16);
    EXPECT_EQ(pixelSwatch()->color(), patternValue(10, 10)) << "no pixel under the pointer";

    picker.show();
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.pickedColor(), std::nullopt);
}

} // namespace
} // namespace orvane
