#include "toolwindows/HistoryWindow.h"

#include "core/AppState.h"
#include "core/UndoHistory.h"
#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace orvane::test {

namespace {

constexpr ColorValue kStartColor = 51 + 35 * 256 + 231 * 65536;
constexpr ColorValue kRed = 255;

class HistoryWindowTest : public ::testing::Test {
protected:
    // Records the start colour as start-up does, then the given number of colours n, 1, 2, ...
    void record(int count)
    {
        SetDefaults(state_);
        for (int n = 0; n <= count; ++n)
            recordUndo(state_, n == 0 ? kStartColor : MakeColor(n, 255 - n, 0));
    }
    void open()
    {
        window_ = std::make_unique<HistoryWindow>(state_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QComboBox* list() const { return window_->findChild<QComboBox*>("Combo1"); }
    ColorValue preview() const { return window_->findChild<SwatchWidget*>("Picture1")->color(); }

    AppState state_;
    std::unique_ptr<HistoryWindow> window_;
};

} // namespace

// Undone colours stay listed and the newest is selected; after overflow only the newest 50 remain.
TEST_F(HistoryWindowTest, ListsTheRecordedColoursOldestFirstAndSelectsTheNewest)
{
    for (const auto& [count, undos, first] :
         {std::tuple{3, 2, kStartColor}, {60, 0, MakeColor(11, 244, 0)}}) {
        record(count);
        for (int n = 0; n < undos; ++n)
            stepBack(state_);
        const ColorValue last = MakeColor(count, 255 - count, 0);
        HistoryWindow window(state_);
        auto* list = window.findChild<QComboBox*>("Combo1");
        ASSERT_EQ(list->count(), std::min(count + 1, 50)) << count;
        EXPECT_EQ(list->itemData(0).toInt(), first);
        EXPECT_EQ(list->currentData().toInt(), last);
        EXPECT_EQ(window.findChild<SwatchWidget*>("Picture1")->color(), last);
    }
}

TEST_F(HistoryWindowTest, SelectColorHandsOnThePreviewAndLeavesTheHistoryAlone)
{
    record(2);
    ASSERT_TRUE(stepBack(state_));
    open();
    const AppState before = state_;
    QSignalSpy chosen(window_.get(), &HistoryWindow::colorChosenWithoutUndo);
    list()->setCurrentIndex(1);
    QTest::mouseClick(window_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), MakeColor(1, 254, 0));
    EXPECT_EQ(state_.UndoColors, before.UndoColors);
    EXPECT_EQ(state_.UndoPos, before.UndoPos);
}

// Only activation rebuilds, and only when another window of the program had the focus.
TEST_F(HistoryWindowTest, ComingBackFromAnotherWindowRebuildsButFromAnotherProgramKeeps)
{
    record(0);
    open();
    recordUndo(state_, kRed);
    emit qGuiApp->focusWindowChanged(nullptr); // another program had the focus
    emit qGuiApp->focusWindowChanged(window_->windowHandle());
    EXPECT_EQ(list()->count(), 1);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->itemText(1), "255,0,0");
    EXPECT_EQ(preview(), kRed);
}

} // namespace orvane::test
