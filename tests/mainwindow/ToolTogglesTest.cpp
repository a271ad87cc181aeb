// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "toolwindows/FavoritesWindow.h"
#include "toolwindows/HarmoniesWindow.h"
#include "toolwindows/HistoryWindow.h"
#include "toolwindows/TipsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace orvane::test {

TEST_F(MainWindowTest, TogglesFollowTheWindowHoweverItClosesAndItsPlaceIsKept)
{
    action("Toolbar1_14")->trigger();
    window_->toolWindow(HistoryTool)->move(200, 120);
    action("Toolbar1_14")->trigger();
    EXPECT_EQ(QPoint(state_.HistoryLeft, state_.HistoryTop), QPoint(3000, 1800)); // twips
    // The window's own close box resets the item and the button.
    action("Show_Harmonies")->trigger();
    window_->toolWindow(HarmoniesTool)->close();
    QApplication::processEvents();
    EXPECT_EQ(action("Show_Harmonies")->text(), "Show H&armonies");
    EXPECT_EQ(brokenInvariant(), std::nullopt);

    state_.HistoryLeft = -30000; // off every screen
    action("Show_History")->trigger();
    const QPoint placed = window_->toolWindow(HistoryTool)->pos();
    EXPECT_TRUE(window_->screen()->availableGeometry().contains(placed));
}

TEST_F(MainWindowTest, TheFavoritesWindowShowsNewFavouritesAndItsPopupOffersNoSlots)
{
    auto* favorites = static_cast<FavoritesWindow*>(window_->toolWindow(FavoritesTool));
    state_.PopupColor = 0xFF; // pure red
    action("AddFav_3")->trigger();
    EXPECT_EQ(favorites->findChild<QLabel*>("Label1_3")->text(), "255.0.0\n#FF0000");

    QMenu* popup = window_->findChild<QMenu*>("popmenu");
    QMenu* favoriteSlots = window_->findChild<QMenu*>("AtF");
    emit favorites->popupRequested(QPoint(100, 100));
    EXPECT_TRUE(popup->isVisible());
    EXPECT_FALSE(favoriteSlots->menuAction()->isVisible());
    popup->hide();
    EXPECT_TRUE(favoriteSlots->menuAction()->isVisible()) << "the next popup offers them again";
}

TEST_F(MainWindowTest, HistorySelectionAndHarmoniesFollowTheCurrentColour)
{
    action("Show_History")->trigger();
    action("Show_Harmonies")->trigger();
    window_->SetAll(255, 0, 0, false);
    auto* harmonies = static_cast<HarmoniesWindow*>(window_->toolWindow(HarmoniesTool));
    EXPECT_EQ(harmonies->findChild<SwatchWidget*>("Picture1_1")->color(), MakeColor(0, 255, 255));

    auto* history = static_cast<HistoryWindow*>(window_->toolWindow(HistoryTool));
    emit history->colorChosenWithoutUndo(MakeColor(51, 35, 231));
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(state_.UndoPos, 2) << "choosing from the history records nothing";
    EXPECT_TRUE(action("Undo")->isEnabled());
}

TEST_F(MainWindowTest, HelpCommands)
{
    action("Online_Help")->trigger();
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0], programDir_ / "help.chm");

    // Quick Tips is modal: close it as soon as it shows, as a user would.
    bool sawTips = false;
    QTimer::singleShot(0, [&] {
        if (auto* tips = qobject_cast<TipsWindow*>(QApplication::activeModalWidget())) {
            sawTips = true;
            tips->reject();
        }
    });
    action("Quick_Tips")->trigger();
    EXPECT_TRUE(sawTips);
}

} // namespace orvane::test
