#include "MainWindowFixture.h"

#include "core/SettingsRecord.h"
#include "toolwindows/FavoritesWindow.h"
#include "toolwindows/HarmoniesWindow.h"
#include "toolwindows/HistoryWindow.h"
#include "toolwindows/TipsWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace orvane::test {

TEST_F(MainWindowTest, FirstRunOpensOnlyTheFavoritesWindowAtItsDefaultPlace)
{
    ToolWindow* favorites = window_->toolWindow(FavoritesTool);
    ASSERT_TRUE(isOpen(favorites));
    EXPECT_EQ(favorites->pos(), QPoint(500 / 15, 500 / 15));
    EXPECT_EQ(action("Show_Favorites")->text(), "Hide &Favorites");
    EXPECT_TRUE(action("Toolbar1_13")->isChecked());
    EXPECT_FALSE(isOpen(window_->toolWindow(HistoryTool)));
    EXPECT_FALSE(isOpen(window_->toolWindow(HarmoniesTool)));
    EXPECT_EQ(action("Show_History")->text(), "Show &History");
}

TEST_F(MainWindowTest, TogglesFollowTheWindowHoweverItCloses)
{
    // Twice from the toolbar: open, then closed again.
    action("Toolbar1_14")->trigger();
    ASSERT_TRUE(isOpen(window_->toolWindow(HistoryTool)));
    EXPECT_EQ(action("Show_History")->text(), "Hide &History");
    EXPECT_TRUE(action("Toolbar1_14")->isChecked());
    action("Toolbar1_14")->trigger();
    EXPECT_FALSE(isOpen(window_->toolWindow(HistoryTool)));
    EXPECT_EQ(action("Show_History")->text(), "Show &History");
    EXPECT_FALSE(action("Toolbar1_14")->isChecked());

    // The window's own close box resets the item and the button; the menu opens it again.
    action("Show_Harmonies")->trigger();
    ASSERT_TRUE(isOpen(window_->toolWindow(HarmoniesTool)));
    window_->toolWindow(HarmoniesTool)->close();
    QApplication::processEvents();
    EXPECT_EQ(action("Show_Harmonies")->text(), "Show H&armonies");
    EXPECT_FALSE(action("Toolbar1_15")->isChecked());
    action("Show_Harmonies")->trigger();
    EXPECT_TRUE(isOpen(window_->toolWindow(HarmoniesTool)));
    EXPECT_EQ(action("Show_Harmonies")->text(), "Hide H&armonies");
}

TEST_F(MainWindowTest, AToolWindowStoresWhereItWasWhenClosed)
{
    action("Show_History")->trigger();
    ToolWindow* history = window_->toolWindow(HistoryTool);
    history->move(200, 120);
    history->close();
    QApplication::processEvents();
    EXPECT_EQ(state_.HistoryLeft, 3000);
    EXPECT_EQ(state_.HistoryTop, 1800);

    state_.HistoryLeft = -30000; // off every screen
    action("Show_History")->trigger();
    const QPoint placed = window_->toolWindow(HistoryTool)->pos();
    EXPECT_TRUE(window_->screen()->availableGeometry().contains(placed));
}

TEST_F(MainWindowTest, RestartRestoresOpenWindowsAndTheirPositions)
{
    window_->toolWindow(FavoritesTool)->close();
    action("Show_Harmonies")->trigger();
    window_->toolWindow(HarmoniesTool)->move(210, 150);
    action("Show_History")->trigger();
    state_.FavColors[2] = 0x00FF00;
    action("Exit")->trigger();
    window_.reset();

    AppState written;
    ASSERT_TRUE(LoadSettings(programDir() / "myset.cfg", written));
    EXPECT_EQ(written.ToolVisible, (std::array<Flag16, 4>{0, -1, -1, 0}));

    state_ = AppState{};
    SetDefaults(state_);
    ASSERT_EQ(SettingsStore(programDir(), userConfigDir()).load(state_),
              SettingsStore::LoadResult::Loaded);
    createWindow();
    window_->startUp();
    EXPECT_FALSE(isOpen(window_->toolWindow(FavoritesTool)));
    ASSERT_TRUE(isOpen(window_->toolWindow(HarmoniesTool)));
    EXPECT_EQ(window_->toolWindow(HarmoniesTool)->pos(), QPoint(210, 150));
    EXPECT_TRUE(isOpen(window_->toolWindow(HistoryTool)));
    EXPECT_EQ(action("Show_Harmonies")->text(), "Hide H&armonies");
    EXPECT_EQ(state_.FavColors[2], 0x00FF00);
    EXPECT_EQ(state_.UndoPos, 1) << "the history starts empty on every run";
}

TEST_F(MainWindowTest, FavouriteChangesFromTheMainWindowReachAnOpenFavoritesWindow)
{
    auto* favorites = static_cast<FavoritesWindow*>(window_->toolWindow(FavoritesTool));
    ASSERT_NE(favorites, nullptr);
    action("Add_to_Favorites")->trigger();
    EXPECT_EQ(favorites->findChild<QLabel*>("Label1_0")->text(), "51.35.231\n#3323E7");

    state_.PopupColor = 0xFF; // pure red
    action("AddFav_3")->trigger();
    EXPECT_EQ(favorites->findChild<QLabel*>("Label1_3")->text(), "255.0.0\n#FF0000");
}

TEST_F(MainWindowTest, AFavouritesPopupOffersNoSlotsAndTheNextPopupDoes)
{
    auto* favorites = static_cast<FavoritesWindow*>(window_->toolWindow(FavoritesTool));
    QMenu* popup = window_->findChild<QMenu*>("popmenu");
    QMenu* favoriteSlots = window_->findChild<QMenu*>("AtF");

    emit favorites->popupRequested(QPoint(100, 100));
    EXPECT_TRUE(popup->isVisible());
    EXPECT_FALSE(favoriteSlots->menuAction()->isVisible());
    popup->hide();
    EXPECT_TRUE(favoriteSlots->menuAction()->isVisible());
}

TEST_F(MainWindowTest, HistorySelectionAndHarmoniesFollowTheCurrentColour)
{
    action("Show_History")->trigger();
    action("Show_Harmonies")->trigger();
    window_->SetAll(255, 0, 0, false);
    auto* harmonies = static_cast<HarmoniesWindow*>(window_->toolWindow(HarmoniesTool));
    EXPECT_EQ(harmonies->findChild<SwatchWidget*>("Picture1_1")->color(), MakeColor(0, 255, 255));

    auto* history = static_cast<HistoryWindow*>(window_->toolWindow(HistoryTool));
    const int undoPos = state_.UndoPos;
    emit history->colorChosenWithoutUndo(MakeColor(51, 35, 231));
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(state_.UndoPos, undoPos) << "choosing from the history records nothing";
    EXPECT_TRUE(action("Undo")->isEnabled());
}

TEST_F(MainWindowTest, HelpCommands)
{
    action("Online_Help")->trigger();
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0], programDir() / "help.chm");
    EXPECT_TRUE(messages_.shown.empty());

    // Quick Tips is modal: close it as soon as it shows, as a user would.
    state_.ShowTipsAtStart = kFlagTrue;
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
