// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "colour/VisionSimulation.h"
#include "widgets/ColorMime.h"
#include "widgets/QtConversions.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace orvane::test {

TEST_F(MainWindowTest, SwatchHoverClickPopupAndDrop)
{
    SwatchWidget* five = window_->swatch(5);
    const ColorValue color = five->color();
    const QString hash = QString::fromStdString(hashHex(color));
    QTest::mouseMove(five, QPoint(10, 10));
    EXPECT_EQ(window_->statusText(1), "RGB: " + QString::fromStdString(dottedRgb(color)));
    EXPECT_EQ(window_->statusText(2), "HEX: " + hash);
    EXPECT_EQ(five->toolTip(), hash);
    EXPECT_TRUE(five->accessibleName().endsWith(hash));

    // Right click: the popup acts on the swatch's colour, not on the current colour.
    QTest::mouseClick(five, Qt::RightButton);
    EXPECT_EQ(state_.PopupColor, color);
    action("pop_Copy_HEX")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), hash.mid(1));
    state_.FavColors[2] = 0x123456; // an occupied slot is overwritten without asking
    action("AddFav_2")->trigger();
    EXPECT_EQ(state_.FavColors[2], color);
    EXPECT_EQ(state_.UndoPos, 1);
    action("Select_Color")->trigger();
    EXPECT_EQ(window_->currentColor(), color);
    EXPECT_EQ(state_.UndoPos, 2);

    // A swatch dropped on itself makes its colour current for undo.
    const ColorValue three = window_->swatch(3)->color();
    emit window_->swatch(3)->dropped(three, true);
    EXPECT_EQ(window_->currentColor(), three);
    EXPECT_EQ(state_.UndoPos, 3);

    // Colours never copy from swatch to swatch: another swatch's colour is refused.
    std::unique_ptr<QMimeData> mime(makeColorMime(window_->swatch(7)->color()));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window_->swatch(3), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

// Tab comes to the swatches after the value boxes, the arrows follow the grid as it stands with
// the current colour at its left, and the keys and a screen reader's press act as the buttons.
TEST_F(MainWindowTest, TheKeyboardAndAScreenReaderUseTheSwatches)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->findChild<QWidget*>("Command1")->setFocus(); // the last value control
    const std::pair<Qt::Key, int> walk[] = {
        {Qt::Key_Tab, 16},  {Qt::Key_Right, 11}, {Qt::Key_Down, 10}, {Qt::Key_Right, 15},
        {Qt::Key_Up, 12},   {Qt::Key_Left, 11},  {Qt::Key_Up, 0},    {Qt::Key_Left, 0},
        {Qt::Key_Down, 11}, {Qt::Key_Left, 16}};
    for (const auto& [key, index] : walk) {
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_EQ(QApplication::focusWidget(), window_->swatch(index)) << index;
        EXPECT_EQ(window_->statusText(2),
                  "HEX: " + qText(hashHex(window_->swatch(index)->color())));
    }
    EXPECT_EQ(window_->swatch(16)->grab().toImage().pixelColor(2, 20), QColor(Qt::black));

    const ColorValue five = window_->swatch(5)->color();
    QTest::keyClick(window_->swatch(5), Qt::Key_Space);
    EXPECT_EQ(window_->currentColor(), five);
    QTest::keyClick(window_->swatch(2), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window_->findChild<QMenu*>("popmenu")->isVisible());
    EXPECT_EQ(state_.PopupColor, window_->swatch(2)->color());
    QAccessibleInterface* eight = QAccessible::queryAccessibleInterface(window_->swatch(8));
    EXPECT_EQ(eight->role(), QAccessible::Button);
    const ColorValue eightColor = window_->swatch(8)->color();
    eight->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window_->currentColor(), eightColor);
}

TEST_F(MainWindowTest, WebSafeCellsPreviewAndPick)
{
    auto* palette = window_->findChild<QWidget*>("Picture3");
    QTest::mouseMove(palette, QPoint(145, 35)); // cell 122: row 3, column 14
    EXPECT_EQ(window_->statusText(1), "RGB: 153.102.102");
    EXPECT_EQ(window_->currentColor(), MakeColor(153, 102, 102)) << "the swatch previews the cell";
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(channels(), "51 35 231") << "the preview is not the current colour";

    // Crossing the background ends the preview with swatch 0's colour.
    QTest::mouseMove(window_->centralWidget(), QPoint(2, 290));
    EXPECT_EQ(window_->statusText(1), "RGB: 153.102.102");
    EXPECT_EQ(window_->currentColor(), window_->swatch(0)->color());
    QTest::mousePress(palette, Qt::RightButton, {}, QPoint(355, 5)); // any button picks cell 35
    EXPECT_EQ(window_->valueEntry()->hexText(), "00FFFF");

    // The arrow keys move the focus cell from the first, within the grid, and preview it.
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter})
        QTest::keyClick(palette, key);
    EXPECT_EQ(window_->statusText(1), "RGB: 51.0.102"); // cell 38
    EXPECT_EQ(palette->accessibleName(), "Web-safe palette, #330066");
    EXPECT_EQ(window_->valueEntry()->hexText(), "330066");
}

TEST_F(MainWindowTest, SpectrumToggleAndPick)
{
    QAction* toggle = action("Show_Spectrum_Palette");
    auto* spectrum = window_->findChild<QWidget*>("Picture4");
    toggle->trigger();
    EXPECT_EQ(toggle->text(), "Show Websafe &Palette");
    EXPECT_TRUE(spectrum->isVisible());

    // The top row at hue 120 is a near-white green; a press outside the picture (the pointer
    // left it while a button was held) changes nothing.
    for (const QPoint point : {QPoint(120, 0), QPoint(400, 70)})
        QTest::mousePress(spectrum, Qt::LeftButton, {}, point);
    EXPECT_EQ(WebHex(window_->currentColor()), "F7FFF7");
    EXPECT_EQ(state_.UndoPos, 2);

    // With Ctrl the arrows move the focus pixel ten at a time; Enter takes it.
    const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {
        {Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Down, {}}, {Qt::Key_Return, {}}};
    for (const auto& [key, modifier] : keys)
        QTest::keyClick(spectrum, key, modifier);
    const ColorValue taken = window_->currentColor();
    EXPECT_EQ(spectrum->accessibleName(), "Spectrum palette, " + qText(hashHex(taken)));
    QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(10, 1));
    EXPECT_EQ(window_->currentColor(), taken);

    toggle->trigger();
    EXPECT_EQ(toggle->text(), "Show Spectrum &Palette");
    EXPECT_FALSE(spectrum->isVisible());
}

// A simulated vision changes the drawing and the title, never a colour kept, copied or written.
TEST_F(MainWindowTest, ASimulatedVisionChangesOnlyTheDrawing)
{
    EXPECT_TRUE(action("Normal_Vision")->isChecked());
    for (const char* command : {"Show_Harmonies", "Show_Web_Preview", "Show_Spectrum_Palette"})
        action(command)->trigger();
    state_.PopupColor = 0xFF; // pure red
    action("AddFav_0")->trigger();
    const auto part = [this](ToolWindowIndex tool, const char* name) {
        return window_->toolWindow(tool)->findChild<QWidget*>(name);
    };
    const ColorValue five = window_->swatch(5)->color();
    auto* harmony = static_cast<SwatchWidget*>(part(HarmoniesTool, "Picture1_0"));
    // Each part with a point inside it and the real colour there.
    const std::tuple<QWidget*, QPoint, ColorValue> drawn[] = {
        {window_->swatch(5), {20, 20}, five},
        {window_->findChild<QWidget*>("Picture3"), {145, 35}, MakeColor(153, 102, 102)},
        {window_->findChild<QWidget*>("Picture4"), {120, 0}, MakeColor(0xF7, 0xFF, 0xF7)},
        {part(FavoritesTool, "Picture1_0"), {15, 15}, 0xFF},
        {harmony, {10, 10}, harmony->color()},
        {part(WebPreviewTool, "Picture2_0"), {200, 30}, state_.WebColors[0]},
    };
    const auto pixel = [](QWidget* widget, QPoint point) {
        return widget->grab().toImage().pixelColor(point).name();
    };
    action("Deuteranopia")->trigger();
    EXPECT_EQ(window_->windowTitle(), "Orvane (simulating deuteranopia)");
    for (const auto& [widget, point, real] : drawn) {
        const QString seen = toQColor(simulateVision(real, ColorVision::Deuteranopia)).name();
        EXPECT_NE(seen, toQColor(real).name());
        EXPECT_EQ(pixel(widget, point), seen) << widget->objectName().toStdString();
    }
    emit window_->swatch(5)->hovered();
    EXPECT_EQ(window_->statusText(2), "HEX: " + qText(hashHex(five)));
    action("Copy_HEX")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "3323E7");

    action("Normal_Vision")->trigger();
    EXPECT_EQ(window_->windowTitle(), "Orvane");
    EXPECT_EQ(pixel(window_->swatch(5), {20, 20}), toQColor(five).name());
}

} // namespace orvane::test
