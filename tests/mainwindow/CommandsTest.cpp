#include "MainWindowFixture.h"

#include <QAction>
#include <QFrame>

namespace orvane::test {

TEST_F(MainWindowTest, AdjustCommandsWorkOnTheBoxesAndRecordEachStep)
{
    window_->SetAll(240, 10, 255, false);
    action("Lighten")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(255, 40, 255));
    action("Lighten")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(255, 70, 255));
    EXPECT_EQ(state_.UndoPos, 4) << "a step that changes nothing in a channel still records";

    window_->SetAll(20, 100, 0, false);
    action("Toolbar1_9")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(0, 70, 0));

    window_->SetAll(128, 128, 128, false);
    action("Saturate")->trigger();
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"134", "122", "122"}));

    window_->SetAll(255, 0, 0, false);
    action("Saturate")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(255, 0, 0));

    window_->SetAll(25, 127, 230, false);
    action("Make_Websafe")->trigger();
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"0", "102", "255"}));

    window_->SetAll(200, 100, 100, false);
    for (int i = 0; i < 20; ++i)
        action("Desaturate")->trigger();
    const RgbChannels grey = SplitColor(window_->currentColor());
    EXPECT_EQ(grey.red, grey.green);
    EXPECT_EQ(grey.green, grey.blue);
}

TEST_F(MainWindowTest, SchemeModesSwitchTheSwatchesAndTheWheelFrame)
{
    auto* frame = window_->findChild<QFrame*>("Frame1");
    QAction* wheel = action("RGB_Color_Wheel");
    QAction* groups = action("Group_By_Color");
    EXPECT_TRUE(wheel->isChecked());
    EXPECT_FALSE(groups->isChecked());
    EXPECT_TRUE(frame->isVisible());

    window_->SetAll(0, 0, 0, false);
    const int undoPos = state_.UndoPos;
    groups->trigger();
    EXPECT_TRUE(groups->isChecked());
    EXPECT_FALSE(wheel->isChecked());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(state_.UndoPos, undoPos + 1) << "switching the mode re-applies the colour";

    // Black in groups: the family heads are black, the steps greys of 8.5, 17 and 25.5 percent.
    for (int index : {0, 11, 10, 9})
        EXPECT_EQ(window_->swatch(index)->color(), 0) << index;
    const ColorValue step1 = MakeColor(8.5 * 2.55, 8.5 * 2.55, 8.5 * 2.55);
    for (int index : {1, 12, 15, 8})
        EXPECT_EQ(window_->swatch(index)->color(), step1) << index;
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
    const std::pair<const char*, const char*> captions[] = {
        {"Exit", "E&xit"},
        {"Undo", "&Undo"},
        {"Redo", "Redo"},
        {"Copy_HEX", "&Copy HEX"},
        {"Desaturate", "D&esaturate"},
        {"Make_Websafe", "Make &Websafe"},
        {"Select_Color", "Select Color"},
        {"AddFav_0", "1"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(action(name)->text(), caption) << name;
    EXPECT_EQ(action("Make_Websafe")->shortcut(), QKeySequence("Ctrl+W"));
    EXPECT_EQ(action("Add_to_Favorites")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_TRUE(action("Redo")->shortcut().isEmpty());
    EXPECT_TRUE(action("Saturate")->shortcut().isEmpty());
}

} // namespace orvane::test
