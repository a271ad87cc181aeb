#include "MainWindowFixture.h"

#include <QFrame>

namespace orvane::test {

TEST_F(MainWindowTest, AdjustCommandsFromMenuAndToolbarRecordEachStep)
{
    // A step records even where it changes nothing, as Saturate on pure red does.
    const std::tuple<const char*, ColorValue, ColorValue> rows[] = {
        {"Lighten", MakeColor(240, 10, 255), MakeColor(255, 40, 255)},
        {"Toolbar1_8", MakeColor(255, 40, 255), MakeColor(255, 70, 255)},
        {"Darken", MakeColor(20, 100, 0), MakeColor(0, 70, 0)},
        {"Toolbar1_9", MakeColor(0, 70, 0), MakeColor(0, 40, 0)},
        {"Saturate", MakeColor(128, 128, 128), MakeColor(134, 122, 122)},
        {"Toolbar1_10", MakeColor(255, 0, 0), MakeColor(255, 0, 0)},
        {"Desaturate", MakeColor(200, 100, 100), MakeColor(195, 105, 105)},
        {"Toolbar1_11", MakeColor(134, 122, 122), MakeColor(128, 128, 128)},
        {"Make_Websafe", MakeColor(25, 127, 230), MakeColor(0, 102, 255)},
        {"Toolbar1_7", MakeColor(26, 76, 77), MakeColor(51, 51, 102)},
    };
    for (const auto& [command, from, to] : rows) {
        const RgbChannels c = SplitColor(from);
        window_->SetAll(c.red, c.green, c.blue, false);
        const int undoPos = state_.UndoPos;
        action(command)->trigger();
        EXPECT_EQ(WebHex(window_->currentColor()), WebHex(to)) << command;
        EXPECT_EQ(state_.UndoPos, undoPos + 1) << command;
    }
}

TEST_F(MainWindowTest, UndoAndRedoStepThroughTheHistoryAndSwitchTheirItems)
{
    QAction* undo = action("Undo");
    QAction* redo = action("Redo");
    action("Toolbar1_4")->trigger();
    EXPECT_EQ(state_.UndoPos, 1) << "Back does nothing while Undo is disabled";

    window_->SetAll(1, 2, 3, false);
    window_->SetAll(4, 5, 6, false);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(action("Toolbar1_4")->isEnabled());
    undo->trigger();
    action("Toolbar1_4")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_TRUE(action("Toolbar1_5")->isEnabled());

    redo->trigger();
    action("Toolbar1_5")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(4, 5, 6));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(undo->isEnabled());

    // A new colour after an undo replaces the undone one and ends the redo tail; calls that
    // bypass the menu state cannot leave the history.
    undo->trigger();
    window_->SetAll(9, 9, 9, false);
    EXPECT_EQ(state_.UndoColors[3], MakeColor(9, 9, 9));
    EXPECT_FALSE(redo->isEnabled());
    window_->Redo();
    EXPECT_EQ(state_.UndoPos, 3);
}

TEST_F(MainWindowTest, SchemeModesSwitchTheSwatchesAndTheWheelFrame)
{
    auto* frame = window_->findChild<QFrame*>("Frame1");
    QAction* wheel = action("RGB_Color_Wheel");
    QAction* groups = action("Group_By_Color");
    EXPECT_TRUE(wheel->isChecked());
    EXPECT_TRUE(frame->isVisible());

    window_->SetAll(0, 0, 0, false);
    groups->trigger();
    EXPECT_TRUE(groups->isChecked());
    EXPECT_FALSE(wheel->isChecked());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(state_.UndoPos, 3) << "switching the mode re-applies the colour";
    // Black in groups: the family heads are black, the first steps a grey of 8.5 percent
    // (21.7 rounds to 22).
    for (const int index : {0, 11, 10, 9})
        EXPECT_EQ(WebHex(window_->swatch(index)->color()), "000000") << index;
    for (const int index : {1, 12, 15, 8})
        EXPECT_EQ(WebHex(window_->swatch(index)->color()), "161616") << index;
    EXPECT_EQ(state_.HarmonyColors[1], window_->swatch(6)->color());

    wheel->trigger();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(window_->swatch(1)->color(), 0) << "a black ring in wheel mode";
}

TEST_F(MainWindowTest, AddToFavoritesFillsTheFirstHoleAndReportsAFullPalette)
{
    state_.FavColors = {0x102030, kNoColor, 0, kNoColor, kNoColor};
    action("Add_to_Favorites")->trigger();
    EXPECT_EQ(state_.FavColors[1], MakeColor(51, 35, 231));

    state_.FavColors = {1, 2, 3, 4, 0};
    action("Add_to_Favorites")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Palette Full");
    EXPECT_EQ(messages_.shown[0].text, "Your palette is full!");
    EXPECT_EQ(state_.FavColors, (std::array<ColorValue, 5>{1, 2, 3, 4, 0}));

    // The popup's slot commands overwrite without asking.
    state_.PopupColor = 0xABCDEF;
    action("AddFav_4")->trigger();
    EXPECT_EQ(state_.FavColors[4], 0xABCDEF);
}

TEST_F(MainWindowTest, MenuCaptionsAndShortcuts)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Exit", "E&xit", "Ctrl+Q"},
        {"Undo", "&Undo", "Ctrl+Z"},
        {"Redo", "Redo", ""},
        {"Copy_HEX", "&Copy HEX", "Ctrl+C"},
        {"Saturate", "&Saturate", ""},
        {"Make_Websafe", "Make &Websafe", "Ctrl+W"},
        {"Add_to_Favorites", "Add to Favorites", "Ctrl+A"},
        {"Select_Color", "Select Color", ""},
        {"AddFav_0", "1", ""},
    };
    for (const auto& [name, caption, shortcut] : rows) {
        EXPECT_EQ(action(name)->text(), caption) << name;
        EXPECT_EQ(action(name)->shortcut(), QKeySequence(shortcut)) << name;
    }
}

} // namespace orvane::test
