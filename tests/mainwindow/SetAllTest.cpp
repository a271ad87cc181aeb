#include "MainWindowFixture.h"

#include "colour/ColorWorkspace.h"

namespace orvane::test {

TEST_F(MainWindowTest, StartsWithTheStartColourAndItsScheme)
{
    EXPECT_EQ(window_->windowTitle(), "Orvane");
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(hexText(), "3323E7");
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"51", "35", "231"}));
    EXPECT_EQ(window_->statusText(1), "RGB: 51.35.231");
    EXPECT_EQ(window_->statusText(2), "HEX: #3323E7");
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(state_.UndoColors[1], MakeColor(51, 35, 231));
    EXPECT_FALSE(action("Undo")->isEnabled());
    EXPECT_FALSE(action("Redo")->isEnabled());

    // Colour-wheel mode: the ring goes round the hue circle; swatch 6 is the complement.
    ColorWorkspace ws;
    ws.RGBtoHSL(51, 35, 231);
    const double hue = ws.HueDeg;
    ws.HSLtoRGB(hue + 180 >= 360 ? hue - 180 : hue + 180, ws.SatPct, ws.LumPct);
    EXPECT_EQ(swatchColor(6), MakeColor(ws.OutR, ws.OutG, ws.OutB));
    EXPECT_EQ(state_.HarmonyColors[1], swatchColor(6));
    EXPECT_EQ(state_.HarmonyColors[0], swatchColor(0));
}

TEST_F(MainWindowTest, SetAllReadsHexChannelTextsAndLeavesTheStatusBarAlone)
{
    window_->SetAll("&HFF", "&H80", "&H00", false);
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"255", "128", "0"}));
    EXPECT_EQ(hexText(), "FF8000");
    EXPECT_EQ(window_->currentColor(), MakeColor(255, 128, 0));
    EXPECT_EQ(window_->statusText(1), "RGB: 51.35.231");

    window_->SetAll("007", 7, 0, true);
    EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"7", "7", "0"}));
    EXPECT_EQ(state_.UndoPos, 2);
}

} // namespace orvane::test
