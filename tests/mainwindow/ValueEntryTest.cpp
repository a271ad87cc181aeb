#include "MainWindowFixture.h"

#include "mainwindow/ValueEntryPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace orvane::test {

namespace {

void retype(QLineEdit* box, const QString& keys)
{
    box->selectAll();
    QTest::keyClicks(box, keys);
}

} // namespace

TEST_F(MainWindowTest, ChannelBoxesKeepToDigitsWithinTheChannelRange)
{
    QLineEdit* red = window_->valueEntry()->channelBox(0);

    retype(red, "300");
    EXPECT_EQ(red->text(), "255");

    red->selectAll();
    QTest::keyClick(red, Qt::Key_Backspace);
    EXPECT_EQ(red->text(), "0");

    retype(red, "4x5");
    EXPECT_EQ(red->text(), "45");
    retype(red, "12");
    QTest::keyClicks(red, "34");
    EXPECT_EQ(red->text(), "123") << "a fourth digit is refused";

    // Pasted text obeys the same rules as typed text.
    red->clear();
    QApplication::clipboard()->setText("a1b2");
    red->paste();
    EXPECT_EQ(red->text(), "12");
    red->clear();
    QApplication::clipboard()->setText("999");
    red->paste();
    EXPECT_EQ(red->text(), "255");

    retype(red, "007");
    EXPECT_EQ(red->text(), "007") << "leading zeros stay until the colour is applied";
    window_->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(red->text(), "7");
    EXPECT_EQ(window_->currentColor(), MakeColor(7, 35, 231));
}

TEST_F(MainWindowTest, HexBoxAcceptsHexDigitsOfEitherCase)
{
    QLineEdit* hex = window_->valueEntry()->hexBox();
    retype(hex, "ff80G00");
    EXPECT_EQ(hex->text(), "ff8000");

    window_->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"255", "128", "0"}));
    EXPECT_EQ(hexText(), "FF8000");
    EXPECT_TRUE(messages_.shown.empty());

    hex->clear();
    QApplication::clipboard()->setText("#1a2B3c");
    hex->paste();
    EXPECT_EQ(hex->text(), "1a2B3c");
}

TEST_F(MainWindowTest, ShortHexShowsTheMessageAndChangesNothing)
{
    const int undoPos = state_.UndoPos;
    retype(window_->valueEntry()->hexBox(), "FF80");
    window_->findChild<QPushButton*>("Command2")->click();

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "HEX value must be 6 characters!");
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(state_.UndoPos, undoPos);
}

TEST_F(MainWindowTest, SliderShowsOnDoubleClickAndAppliesWhenLeft)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ValueEntryPanel* entry = window_->valueEntry();
    QSlider* green = entry->slider(1);
    ASSERT_FALSE(green->isVisible());

    QTest::mouseDClick(entry->channelBox(1), Qt::LeftButton);
    ASSERT_TRUE(green->isVisible());
    EXPECT_EQ(green->value(), 35);
    EXPECT_TRUE(green->hasFocus());

    const int undoPos = state_.UndoPos;
    green->setValue(200);
    EXPECT_EQ(entry->channelBox(1)->text(), "200");
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231)) << "moving does not apply";

    // A click on the bare background applies the value once and hides the slider.
    QTest::mouseClick(window_->centralWidget(), Qt::LeftButton, {}, QPoint(2, 290));
    EXPECT_FALSE(green->isVisible());
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 200, 231));
    EXPECT_EQ(state_.UndoPos, undoPos + 1);

    // Leaving the slider for another control applies it too.
    QTest::mouseDClick(entry->channelBox(0), Qt::LeftButton);
    entry->slider(0)->setValue(10);
    entry->hexBox()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(entry->slider(0)->isVisible());
    EXPECT_EQ(window_->currentColor(), MakeColor(10, 200, 231));
    EXPECT_EQ(state_.UndoPos, undoPos + 2);

    // With no slider showing a background click changes nothing.
    QTest::mouseClick(window_->centralWidget(), Qt::LeftButton, {}, QPoint(2, 290));
    EXPECT_EQ(state_.UndoPos, undoPos + 2);
}

} // namespace orvane::test
