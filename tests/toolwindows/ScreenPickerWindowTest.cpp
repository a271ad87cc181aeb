// SPDX-License-Identifier: MIT
#include "toolwindows/ScreenPickerWindow.h"

#include "widgets/SwatchWidget.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

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
    return MakeColor(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4));
}

class ScreenPickerWindowTest : public testing::Test {
protected:
    // Opens the picker on a desktop snapshot with this many device pixels to a logical one.
    ScreenPickerWindow& open(int ratio)
    {
        QImage snapshot(kWidth * ratio, kHeight * ratio, QImage::Format_ARGB32);
        for (int y = 0; y < snapshot.height(); ++y)
            for (int x = 0; x < snapshot.width(); ++x)
                snapshot.setPixel(x, y, patternAt(x, y));
        snapshot.setDevicePixelRatio(ratio);
        const ScreenPixels screen{
            {0, 0}, {kWidth * ratio, kHeight * ratio}, double(ratio), {0, 0}, 1};
        window_ = std::make_unique<ScreenPickerWindow>(snapshot, std::vector{screen});
        return *window_;
    }

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
// Leaving by Escape is checked through the main window.
TEST_F(ScreenPickerWindowTest, MagnifiesMovesThePanelAsideAndPicksDevicePixels)
{
    ScreenPickerWindow& picker = open(1);
    const std::pair<QPoint, PixelPoint> rows[] = {
        {{100, 100}, {88, 88}}, {{kWidth - 1, kHeight - 1}, {kWidth - 24, kHeight - 24}}};
    for (const auto& [pointer, origin] : rows) {
        picker.magnifyAt(QPointF(pointer));
        expectMagnifies(origin);
        EXPECT_EQ(pixelSwatch()->color(), patternValue(pointer.x(), pointer.y()));
    }
    // Where a window cannot ask for the pointer, its entry tells where it stands.
    QEnterEvent arrival(QPointF(120, 70), QPointF(120, 70), QPointF(120, 70));
    QCoreApplication::sendEvent(&picker, &arrival);
    expectMagnifies({108, 58});
    QWidget* panel = picker.findChild<QWidget*>("Picture1");
    QEnterEvent enter(QPointF(5, 5), QPointF(45, 45), QPointF(45, 45));
    QCoreApplication::sendEvent(panel, &enter);
    EXPECT_EQ(panel->pos(), QPoint(kWidth - 120, 40));

    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        open(1).show();
        QTest::mousePress(window_.get(), button, Qt::NoModifier, QPoint(210, 130));
        EXPECT_EQ(window_->result(), QDialog::Accepted) << button;
        EXPECT_EQ(window_->pickedColor(), patternValue(210, 130)) << button;
    }

    // Two device pixels to a logical one: the pointer's logical position, with its half pixel,
    // picks the device pixel under it.
    ScreenPickerWindow& dense = open(2);
    dense.magnifyAt(QPointF(50.5, 50));
    expectMagnifies({89, 88});
    EXPECT_EQ(pixelSwatch()->color(), patternValue(101, 100));
    dense.show();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50.5), QPointF(50, 50.5),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dense, &press);
    EXPECT_EQ(dense.pickedColor(), patternValue(100, 101));
}

// Rows: keys pressed in turn from the device pixel (101, 100) at ratio 2, then the device pixel
// the pointer stands on and the colour picked; nothing picked while the picker stays open. The
// pointer steps in device pixels, so at ratio 2 one step reaches an odd one, and stays on the
// screen. Space and keypad Enter are left to the end-to-end picker.
TEST_F(ScreenPickerWindowTest, ArrowKeysMoveByDevicePixelsAndEnterOrSpacePicks)
{
    struct Row {
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        PixelPoint pointer;
        std::optional<ColorValue> picked;
    };
    const Row rows[] = {
        {{{Qt::Key_Right, {}}, {Qt::Key_Down, {}}}, {102, 101}, {}},
        {{{Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Up, Qt::ShiftModifier}}, {91, 90}, {}},
        {{{Qt::Key_Right, {}}, {Qt::Key_Return, {}}}, {102, 100}, patternValue(102, 100)},
        {{{Qt::Key_Down, {}}, {Qt::Key_Escape, {}}}, {101, 101}, {}},
    };
    for (const Row& row : rows) {
        ScreenPickerWindow& picker = open(2);
        picker.show();
        picker.magnifyAt(QPointF(50.5, 50));
        for (const auto& [key, modifiers] : row.keys)
            QTest::keyClick(&picker, Qt::Key(key), modifiers);
        EXPECT_EQ(picker.pointer(), row.pointer) << row.pointer.x << "," << row.pointer.y;
        EXPECT_EQ(picker.pickedColor(), row.picked) << row.pointer.x << "," << row.pointer.y;
        EXPECT_EQ(pixelSwatch()->color(), patternValue(row.pointer.x, row.pointer.y));
    }
    ScreenPickerWindow& edge = open(2);
    edge.magnifyAt(QPointF(kWidth - 1, 1));
    QTest::keyClick(&edge, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&edge, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(edge.pointer(), PixelPoint({kWidth * 2 - 1, 0}));
}

} // namespace
} // namespace orvane
