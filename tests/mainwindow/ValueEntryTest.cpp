// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace orvane::test {

TEST_F(MainWindowTest, ValueBoxesFilterTypedAndPastedTextAndTheButtonsApplyIt)
{
    ValueEntryPanel* entry = window_->valueEntry();
    // Rows: box (3 is HEX), typed, pasted, text left in the box.
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {0, "300", "", "255"},        {1, "4x5", "", "45"},         {2, "1234", "", "123"},
        {0, "", "a1b2", "12"},        {0, "", "999", "255"},        {0, "007", "", "007"},
        {3, "ff80G00", "", "ff8000"}, {3, "", "#1a2B3c", "1a2B3c"},
    };
    for (const auto& [box, typed, pasted, expected] : rows) {
        QLineEdit* edit = box == 3 ? entry->hexBox() : entry->channelBox(box);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QApplication::clipboard()->setText(pasted);
        if (*pasted)
            edit->paste();
        EXPECT_EQ(edit->text(), expected) << typed << pasted;
    }
    entry->channelBox(1)->selectAll();
    QTest::keyClick(entry->channelBox(1), Qt::Key_Backspace);
    EXPECT_EQ(entry->channelBox(1)->text(), "0") << "an emptied box reads 0";

    // Leading zeros stay until the colour is applied; Set HEX takes either case and refuses a
    // short value.
    window_->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(channels(), "7 0 123");
    for (const char* hex : {"ff8000", "FF80"}) {
        entry->hexBox()->setText(hex);
        window_->findChild<QPushButton*>("Command2")->click();
    }
    EXPECT_EQ(channels(), "255 128 0");
    EXPECT_EQ(window_->currentColor(), MakeColor(255, 128, 0));
    EXPECT_EQ(state_.UndoPos, 3);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "HEX value must be 6 characters!");
}

TEST_F(MainWindowTest, SliderShowsOnDoubleClickAndAppliesWhenLeft)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ValueEntryPanel* entry = window_->valueEntry();
    QSlider* green = entry->slider(1);
    QTest::mouseDClick(entry->channelBox(1), Qt::LeftButton);
    ASSERT_TRUE(green->isVisible());
    EXPECT_EQ(green->value(), 35);
    EXPECT_TRUE(green->hasFocus());

    green->setValue(200);
    EXPECT_EQ(entry->channelBox(1)->text(), "200");
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231)) << "moving does not apply";
    // A click on the bare background applies the value once and hides the slider; a second
    // click, with no slider showing, changes nothing.
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(window_->centralWidget(), Qt::LeftButton, {}, QPoint(2, 290));
    EXPECT_FALSE(green->isVisible());
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 200, 231));
    EXPECT_EQ(state_.UndoPos, 2);

    // Leaving the slider for another control applies it too.
    QTest::mouseDClick(entry->channelBox(0), Qt::LeftButton);
    entry->slider(0)->setValue(10);
    entry->hexBox()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(entry->slider(0)->isVisible());
    EXPECT_EQ(window_->currentColor(), MakeColor(10, 200, 231));
    EXPECT_EQ(state_.UndoPos, 3);
}

} // namespace orvane::test
