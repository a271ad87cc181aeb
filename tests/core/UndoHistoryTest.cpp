#include "core/UndoHistory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace orvane
{
namespace
{

class UndoHistoryTest : public testing::Test
{
protected:
    void SetUp() override { SetDefaults(state_); }

    // Distinct, recognisable colours: colour(n) for the n-th recording.
    static ColorValue colour(int n) { return 0x010000 * n + 0x37; }

    void recordMany(int count, int first = 0)
    {
        for (int n = first; n < first + count; ++n)
            recordUndo(state_, colour(n));
    }

    AppState state_;
};

TEST_F(UndoHistoryTest, StartsEmptyAndTheFirstColourGoesToSlotOne)
{
    EXPECT_EQ(state_.UndoPos, 0);
    for (const ColorValue slot : state_.UndoColors)
        EXPECT_EQ(slot, kNoColor);
    EXPECT_FALSE(canUndo(state_));
    EXPECT_FALSE(canRedo(state_));
    EXPECT_EQ(stepBack(state_), std::nullopt);
    EXPECT_EQ(stepForward(state_), std::nullopt);
    EXPECT_EQ(state_.UndoPos, 0);

    recordUndo(state_, colour(0));
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(state_.UndoColors[0], kNoColor);
    EXPECT_EQ(state_.UndoColors[1], colour(0));
    EXPECT_EQ(state_.UndoColors[2], kNoColor);
    EXPECT_FALSE(canUndo(state_));
    EXPECT_FALSE(canRedo(state_));

    recordUndo(state_, colour(1));
    EXPECT_TRUE(canUndo(state_));
    EXPECT_EQ(stepBack(state_), colour(0));
    EXPECT_FALSE(canUndo(state_)); // never back onto slot 0
    EXPECT_TRUE(canRedo(state_));
}

TEST_F(UndoHistoryTest, OverflowKeepsTheLatestFifty)
{
    recordMany(60);
    EXPECT_EQ(state_.UndoPos, 50);
    for (int slot = 1; slot <= 50; ++slot)
        EXPECT_EQ(state_.UndoColors[slot], colour(slot + 9)) << "slot " << slot;
    EXPECT_EQ(state_.UndoColors[0], colour(9)); // the last one pushed out, out of reach
    EXPECT_FALSE(canRedo(state_));

    int steps = 0;
    while (const std::optional<ColorValue> back = stepBack(state_)) {
        ++steps;
        EXPECT_EQ(*back, colour(59 - steps));
    }
    EXPECT_EQ(steps, 49);
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_FALSE(canUndo(state_));

    // And all the way forward again, stopping at the top slot.
    steps = 0;
    while (stepForward(state_))
        ++steps;
    EXPECT_EQ(steps, 49);
    EXPECT_EQ(state_.UndoPos, 50);
    EXPECT_EQ(stepForward(state_), std::nullopt);
}

TEST_F(UndoHistoryTest, UndoTwiceThenRedoTwice)
{
    recordMany(3);
    EXPECT_EQ(stepBack(state_), colour(1));
    EXPECT_EQ(stepBack(state_), colour(0));
    EXPECT_TRUE(canRedo(state_));
    EXPECT_EQ(stepForward(state_), colour(1));
    EXPECT_TRUE(canRedo(state_));
    EXPECT_EQ(stepForward(state_), colour(2));
    EXPECT_FALSE(canRedo(state_));
    EXPECT_EQ(stepForward(state_), std::nullopt);
    EXPECT_EQ(state_.UndoPos, 3);
    EXPECT_TRUE(canUndo(state_));
}

TEST_F(UndoHistoryTest, RecordingAfterUndoDropsTheRedoTail)
{
    recordMany(4);
    stepBack(state_);
    stepBack(state_); // at colour(1), with colour(2) and colour(3) to redo
    recordUndo(state_, colour(7));
    EXPECT_EQ(state_.UndoPos, 3);
    EXPECT_EQ(state_.UndoColors[2], colour(1));
    EXPECT_EQ(state_.UndoColors[3], colour(7));
    for (int slot = 4; slot <= 50; ++slot)
        EXPECT_EQ(state_.UndoColors[slot], kNoColor) << "slot " << slot;
    EXPECT_FALSE(canRedo(state_));
    EXPECT_EQ(stepBack(state_), colour(1));
}

TEST_F(UndoHistoryTest, SameColourTwiceMakesTwoEntries)
{
    recordUndo(state_, colour(1));
    recordUndo(state_, colour(2));
    recordUndo(state_, colour(2));
    EXPECT_EQ(state_.UndoPos, 3);
    EXPECT_EQ(stepBack(state_), colour(2));
    EXPECT_EQ(stepBack(state_), colour(1));
}

// A cursor outside 1..50 (a corrupted state) must never lead to an access outside the array.
TEST_F(UndoHistoryTest, CursorOutOfRangeIsNeverFollowed)
{
    recordMany(50);
    for (const int position : {-32768, -3, -1, 51, 60, 32767}) {
        SCOPED_TRACE(position);
        AppState state = state_;
        state.UndoPos = static_cast<std::int16_t>(position);
        EXPECT_FALSE(canUndo(state));
        EXPECT_FALSE(canRedo(state));
        EXPECT_EQ(stepBack(state), std::nullopt);
        EXPECT_EQ(stepForward(state), std::nullopt);
        EXPECT_EQ(state.UndoPos, position);

        recordUndo(state, colour(99));
        ASSERT_GE(state.UndoPos, 1);
        ASSERT_LE(state.UndoPos, 50);
        EXPECT_EQ(state.UndoColors[state.UndoPos], colour(99));
    }
}

} // namespace
} // namespace orvane
