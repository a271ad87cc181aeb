#include "core/PickerGeometry.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

// The block centres on the pointer, stops at the near edges, and keeps the last 24 pixels once
// the pointer is within 24 pixels of the far edge although a centred block would still fit.
TEST(MagnifiedBlockTest, CentresOnThePointerAndStopsAtTheEdges)
{
    const std::tuple<PixelPoint, int, int, PixelPoint> cases[] = {
        {{100, 100}, kW, kH, {88, 88}},
        {{12, 12}, kW, kH, {0, 0}},                       // exactly half a block from the edge
        {{kW - 24, kH - 24}, kW, kH, {kW - 36, kH - 36}}, // a block's length from the far edge
        {{kW - 23, 100}, kW, kH, {kW - 24, 88}},
        {{kW - 1, kH - 1}, kW, kH, {kW - 24, kH - 24}},
        {{700, 700}, 2560, 720, {688, 696}}, // each axis uses its own extent
        {{700, 700}, 720, 2560, {696, 688}},
    };
    for (const auto& [pointer, width, height, origin] : cases)
        EXPECT_EQ(magnifiedBlockOrigin(pointer, width, height), origin)
            << pointer.x << "," << pointer.y;
    // On a desktop narrower than three half blocks both edge rules apply; the near edge wins.
    EXPECT_EQ(magnifiedBlockStart(11, 30), 0);
    EXPECT_EQ(magnifiedBlockStart(12, 30), 6);
}

// Fifty is the first left counted as the right side.
TEST(MagnifierPanelTest, JumpsBetweenTheLeftAndTheRight)
{
    for (const auto& [left, width, next] : {std::tuple{40, kW, kW - 120},
                                            {kW - 120, kW, 40},
                                            {680, 800, 40},
                                            {49, kW, kW - 120},
                                            {50, kW, 40},
                                            {-5, kW, kW - 120},
                                            {40, 800, 680}})
        EXPECT_EQ(magnifierPanelLeftOnEnter(left, width), next) << left << " of " << width;
}

} // namespace
} // namespace orvane
