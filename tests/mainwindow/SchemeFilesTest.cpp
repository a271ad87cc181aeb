#include "MainWindowFixture.h"

#include "core/SettingsRecord.h"

#include <QApplication>

namespace orvane::test {

TEST_F(MainWindowTest, SavingAndOpeningASchemeRestoresItsWindowsColoursAndFavourites)
{
    const auto scheme = programDir_ / "sunset.vrx";
    window_->toolWindow(FavoritesTool)->close();
    action("Show_Harmonies")->trigger();
    window_->toolWindow(HarmoniesTool)->move(150, 90);
    window_->SetAll(200, 60, 20, false);
    state_.FavColors = {0x0000FF, kNoColor, kNoColor, 0, kNoColor};
    const ColorValue firstSwatch = window_->swatch(0)->color();

    runDialog("Save_Scheme", scheme);
    ASSERT_EQ(dialogs_.records.size(), 1u);
    EXPECT_EQ(dialogs_.records[0].kind, DialogKind::Save);
    EXPECT_EQ(dialogs_.records[0].defaultExtension, "vrx");
    EXPECT_EQ(dialogs_.records[0].filter, std::string("Orvane File (*.vrx)\0*.vrx\0\0", 27));
    EXPECT_EQ(readBytes(scheme).size(), kRecordSize);
    EXPECT_FALSE(std::filesystem::exists(programDir_ / "myset.cfg")) << "saving is not exiting";

    // Change everything the scheme holds, then open it again.
    window_->toolWindow(HarmoniesTool)->close();
    action("Show_History")->trigger();
    action("Show_Favorites")->trigger();
    state_.FavColors.fill(kNoColor);
    window_->SetAll(1, 2, 3, false);
    runDialog("Toolbar1_1", scheme);
    EXPECT_EQ(dialogs_.records.back().kind, DialogKind::Open);
    EXPECT_FALSE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_FALSE(isOpen(window_->toolWindow(HistoryTool)));
    ASSERT_TRUE(isOpen(window_->toolWindow(HarmoniesTool)));
    EXPECT_EQ(window_->toolWindow(HarmoniesTool)->pos(), QPoint(150, 90));
    EXPECT_EQ(action("Show_History")->text(), "Show &History");
    EXPECT_EQ(state_.FavColors,
              (std::array<ColorValue, 5>{0x0000FF, kNoColor, kNoColor, 0, kNoColor}));
    EXPECT_EQ(window_->currentColor(), firstSwatch);
    EXPECT_EQ(state_.UndoPos, 4) << "the scheme's colour is recorded for undo";
}

TEST_F(MainWindowTest, AWindowOpenBeforeAndInTheSchemeStaysOpen)
{
    // The scheme closes the Favorites window and opens it again at once; the closed one is only
    // deleted later, which must not take the reopened window with it.
    runDialog("Save_Scheme", programDir_ / "favourites.vrx");
    runDialog("Open_Scheme", programDir_ / "favourites.vrx");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_EQ(action("Show_Favorites")->text(), "Hide &Favorites");
}

TEST_F(MainWindowTest, CancelledOrFailedSavesChangeNothing)
{
    action("Open_Scheme")->trigger();
    action("Save_Scheme")->trigger();
    EXPECT_EQ(dialogs_.records.size(), 2u);
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_TRUE(messages_.shown.empty());

    // A path that runs through a regular file cannot be written, even by root.
    std::ofstream(programDir_ / "blocker") << "x";
    runDialog("Save_Scheme", programDir_ / "blocker" / "scheme.vrx");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("scheme.vrx"));
}

} // namespace orvane::test
