#include "core/UndoHistory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace orvane {
namespace {

// Distinct, recognisable colours: colour(n) for the n-th recording.
ColorValue colour(int n)
{
    return 0x010000 * n + 0x37;
}

AppState withHistory(int count)
{
    AppState state;
    SetDefaults(state);
    for (int n = 0; n < count; ++n)
        recordUndo(state, colour(n));
    return state;
}

TEST(UndoHistoryTest, FirstColourGoesToSlotOneAndRecordingDropsTheRedoTail)
{
    AppState state = withHistory(1);
    EXPECT_EQ(state.UndoPos, 1);
    EXPECT_EQ(state.UndoColors[1], colour(0));
    EXPECT_FALSE(canUndo(state) || canRedo(state));
    for (const int n : {1, 1, 2})
        recordUndo(state, colour(n)); // the same colour twice makes two entries
    EXPECT_EQ(stepBack(state), colour(1));
    EXPECT_EQ(stepBack(state), colour(1)); // with colour(1) and colour(2) to redo
    recordUndo(state, colour(7));
    EXPECT_EQ(state.UndoPos, 3);
    EXPECT_EQ(state.UndoColors[3], colour(7));
    EXPECT_FALSE(canRedo(state));
    EXPECT_EQ(stepBack(state), colour(1));
    EXPECT_EQ(stepBack(state), colour(0));
    EXPECT_FALSE(canUndo(state));
}

TEST(UndoHistoryTest, OverflowKeepsTheLatestFiftyAndWalksThemBothWays)
{
    AppState state = withHistory(60);
    EXPECT_EQ(state.UndoPos, 50);
    EXPECT_EQ(state.UndoColors[0], colour(9)); // the last one pushed out, out of reach
    for (int step = 1; step <= 49; ++step)
        EXPECT_EQ(stepBack(state), colour(59 - step)) << step;
    EXPECT_EQ(stepBack(state), std::nullopt);
    for (int step = 1; step <= 49; ++step)
        EXPECT_EQ(stepForward(state), colour(10 + step)) << step;
    EXPECT_EQ(stepForward(state), std::nullopt);
}

// A cursor outside 1..50 (a corrupted state) must never lead to an access outside the array.
TEST(UndoHistoryTest, CursorOutOfRangeIsNeverFollowed)
{
    for (const int position : {-32768, -1, 51, 32767}) {
        SCOPED_TRACE(position);
        AppState state = withHistory(50);
        state.UndoPos = static_cast<std::int16_t>(position);
        EXPECT_FALSE(canUndo(state) || canRedo(state));
        EXPECT_FALSE(stepBack(state) || stepForward(state));
        EXPECT_EQ(state.UndoPos, position);
        recordUndo(state, colour(99));
        ASSERT_TRUE(state.UndoPos >= 1 && state.UndoPos <= 50);
        EXPECT_EQ(state.UndoColors[state.UndoPos], colour(99));
    }
}

} // namespace
} // namespace orvane
