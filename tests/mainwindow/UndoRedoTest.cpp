#include "MainWindowFixture.h"

#include "mainwindow/ValueEntryPanel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace orvane::test {

namespace {

ColorValue nthColor(int n)
{
    return MakeColor(n, 255 - n, (n * 7) % 256);
}

} // namespace

TEST_F(MainWindowTest, UndoAndRedoStepThroughTheHistoryAndSwitchTheirItems)
{
    QAction* undo = action("Undo");
    QAction* redo = action("Redo");
    QAction* back = action("Toolbar1_4");
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());

    window_->SetAll(1, 2, 3, false);
    window_->SetAll(4, 5, 6, false);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(back->isEnabled());

    undo->trigger();
    undo->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(state_.UndoPos, 1);

    redo->trigger();
    redo->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(4, 5, 6));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(undo->isEnabled());

    // A new colour after an undo replaces the undone one and ends the redo tail.
    undo->trigger();
    window_->SetAll(9, 9, 9, false);
    EXPECT_EQ(state_.UndoColors[3], MakeColor(9, 9, 9));
    EXPECT_EQ(state_.UndoColors[4], kNoColor);
    EXPECT_FALSE(redo->isEnabled());

    // Calls that bypass the menu state cannot leave the history.
    window_->Redo();
    EXPECT_EQ(state_.UndoPos, 3);
}

TEST_F(MainWindowTest, HistoryKeepsTheFiftyNewestColours)
{
    for (int n = 1; n <= 60; ++n) {
        const RgbChannels c = SplitColor(nthColor(n));
        window_->SetAll(c.red, c.green, c.blue, false);
    }
    EXPECT_EQ(state_.UndoPos, 50);
    EXPECT_EQ(state_.UndoColors[50], nthColor(60));
    EXPECT_EQ(state_.UndoColors[1], nthColor(11));

    int undos = 0;
    while (action("Undo")->isEnabled() && undos < 100) {
        action("Undo")->trigger();
        ++undos;
    }
    EXPECT_EQ(undos, 49);
    EXPECT_EQ(window_->currentColor(), nthColor(11));
    window_->Undo();
    EXPECT_EQ(state_.UndoPos, 1);
}

TEST_F(MainWindowTest, ToolbarBackDoesNothingWhileUndoIsDisabled)
{
    action("Toolbar1_4")->trigger();
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));

    window_->SetAll(1, 2, 3, false);
    action("Toolbar1_4")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    action("Toolbar1_5")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(1, 2, 3));
}

TEST_F(MainWindowTest, MenuShortcutsWinOverTheValueBoxes)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->SetAll(255, 128, 0, false);
    QLineEdit* red = window_->valueEntry()->channelBox(0);
    red->setFocus();

    QTest::keyClick(red, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "FF8000");

    QTest::keyClick(red, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(red->text(), "51");
}

} // namespace orvane::test
