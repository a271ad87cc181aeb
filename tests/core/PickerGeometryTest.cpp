#include "core/PickerGeometry.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

PixelPoint originAt(int x, int y)
{
    return magnifiedBlockOrigin({x, y}, kWidth, kHeight);
}

// Pointer positions are whole pixels, so the centred start x - 12 never has a fraction for the
// half-to-even rounding to act on.
TEST(MagnifiedBlockTest, CentresOnThePointerAwayFromTheEdges)
{
    EXPECT_EQ(originAt(100, 100), (PixelPoint{88, 88}));
    EXPECT_EQ(originAt(12, 12), (PixelPoint{0, 0})) << "exactly half a block from the edge";
    EXPECT_EQ(originAt(13, 500), (PixelPoint{1, 488}));
    EXPECT_EQ(originAt(kWidth - 24, kHeight - 24), (PixelPoint{kWidth - 36, kHeight - 36}))
        << "a block's length from the far edge still centres";
}

TEST(MagnifiedBlockTest, StopsAtTheNearEdges)
{
    EXPECT_EQ(originAt(5, 5), (PixelPoint{0, 0}));
    EXPECT_EQ(originAt(0, 0), (PixelPoint{0, 0}));
    EXPECT_EQ(originAt(11, 300), (PixelPoint{0, 288}));
    EXPECT_EQ(originAt(300, 11), (PixelPoint{288, 0}));
}

// The block keeps the last 24 pixels once the pointer is within 24 pixels of the far edge,
// although a centred block would still fit there.
TEST(MagnifiedBlockTest, StopsAtTheFarEdgesAsSoonAsThePointerIsWithinABlock)
{
    EXPECT_EQ(originAt(kWidth - 20, 100), (PixelPoint{kWidth - 24, 88}));
    EXPECT_EQ(originAt(kWidth - 24, 100), (PixelPoint{kWidth - 36, 88}));
    EXPECT_EQ(originAt(kWidth - 23, 100), (PixelPoint{kWidth - 24, 88}));
    EXPECT_EQ(originAt(kWidth - 1, kHeight - 1), (PixelPoint{kWidth - 24, kHeight - 24}));
    EXPECT_EQ(originAt(100, kHeight - 20), (PixelPoint{88, kHeight - 24}));
    EXPECT_EQ(originAt(100, kHeight - 24), (PixelPoint{88, kHeight - 36}));
}

TEST(MagnifiedBlockTest, EachAxisUsesItsOwnExtent)
{
    // 700 is within a block of a 720-pixel-high desktop's bottom but far from a wide one's
    // right edge.
    EXPECT_EQ(magnifiedBlockOrigin({700, 700}, 2560, 720), (PixelPoint{688, 696}));
    EXPECT_EQ(magnifiedBlockOrigin({700, 700}, 720, 2560), (PixelPoint{696, 688}));
}

// On a desktop narrower than three half blocks both edge rules apply; the near edge wins.
TEST(MagnifiedBlockTest, NearEdgeRuleComesFirstOnATinyDesktop)
{
    EXPECT_EQ(magnifiedBlockStart(11, 30), 0);
    EXPECT_EQ(magnifiedBlockStart(12, 30), 6);
    EXPECT_EQ(magnifiedBlockStart(29, 30), 6);
}

TEST(MagnifierPanelTest, JumpsBetweenTheLeftAndTheRight)
{
    EXPECT_EQ(magnifierPanelLeftOnEnter(40, kWidth), kWidth - 120);
    EXPECT_EQ(magnifierPanelLeftOnEnter(kWidth - 120, kWidth), 40);
    EXPECT_EQ(magnifierPanelLeftOnEnter(magnifierPanelLeftOnEnter(40, 800), 800), 40);
    EXPECT_EQ(magnifierPanelLeftOnEnter(40, 800), 680);
}

TEST(MagnifierPanelTest, FiftyIsTheFirstLeftCountedAsTheRightSide)
{
    EXPECT_EQ(magnifierPanelLeftOnEnter(49, kWidth), kWidth - 120);
    EXPECT_EQ(magnifierPanelLeftOnEnter(50, kWidth), 40);
    EXPECT_EQ(magnifierPanelLeftOnEnter(-5, kWidth), kWidth - 120);
}

} // namespace
} // namespace orvane
