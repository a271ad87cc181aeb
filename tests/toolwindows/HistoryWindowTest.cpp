#include "toolwindows/HistoryWindow.h"

#include "core/AppState.h"
#include "core/UndoHistory.h"
#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace orvane::test {

namespace {

constexpr ColorValue kStartColor = 51 + 35 * 256 + 231 * 65536;
constexpr ColorValue kRed = 255;
constexpr ColorValue kGreen = 255 * 256;
constexpr ColorValue kBlue = 255 * 65536;

ColorValue nthColor(int n)
{
    return MakeColor(n, 255 - n, (n * 7) % 256);
}

class HistoryWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(state_);
        recordUndo(state_, kStartColor); // as start-up records the start colour
    }
    void TearDown() override { delete window_.data(); }

    void create() { window_ = new HistoryWindow(state_); }

    // Opens the window as the main window's toggle does and waits until it is active.
    void open()
    {
        create();
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    }

    QComboBox* list() const { return window_->findChild<QComboBox*>("Combo1"); }
    SwatchWidget* preview() const { return window_->findChild<SwatchWidget*>("Picture1"); }

    AppState state_;
    QPointer<HistoryWindow> window_;
};

} // namespace

// Rows: colours recorded after the start colour, steps back, then the rebuilt list's count,
// first and last colours. Undone colours stay listed; after overflow only the newest 50 remain.
TEST_F(HistoryWindowTest, ListsTheRecordedColoursOldestFirstAndSelectsTheNewest)
{
    std::vector<ColorValue> sixty;
    for (int n = 1; n <= 60; ++n)
        sixty.push_back(nthColor(n));
    const std::tuple<std::vector<ColorValue>, int, int, ColorValue, ColorValue> cases[] = {
        {{kRed, kGreen, kBlue}, 0, 4, kStartColor, kBlue},
        {{kRed, kGreen, kBlue}, 2, 4, kStartColor, kBlue},
        {sixty, 0, 50, nthColor(11), nthColor(60)},
    };
    for (const auto& [recorded, undos, count, first, last] : cases) {
        SetDefaults(state_);
        recordUndo(state_, kStartColor);
        for (ColorValue color : recorded)
            recordUndo(state_, color);
        for (int n = 0; n < undos; ++n)
            stepBack(state_);
        delete window_.data();
        create();
        window_->rebuildList();
        ASSERT_EQ(list()->count(), count) << recorded.size() << " " << undos;
        EXPECT_EQ(list()->itemData(0).toInt(), first);
        EXPECT_EQ(list()->itemData(count - 1).toInt(), last);
        EXPECT_EQ(preview()->color(), last);
    }
}

TEST_F(HistoryWindowTest, SelectColorHandsOnThePreviewAndLeavesTheHistoryAlone)
{
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    ASSERT_TRUE(stepBack(state_));
    open();
    const auto colorsBefore = state_.UndoColors;
    const auto positionBefore = state_.UndoPos;
    QSignalSpy chosen(window_.data(), &HistoryWindow::colorChosenWithoutUndo);

    list()->setCurrentIndex(1);
    QTest::mouseClick(window_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kRed);
    EXPECT_EQ(state_.UndoColors, colorsBefore);
    EXPECT_EQ(state_.UndoPos, positionBefore);
}

// Only activation rebuilds, and only when another window of the program had the focus.
TEST_F(HistoryWindowTest, ComingBackFromAnotherWindowRebuildsButFromAnotherProgramKeeps)
{
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
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->itemText(1), "255,0,0");
    EXPECT_EQ(preview()->color(), kRed);
}

} // namespace orvane::test
