// SPDX-License-Identifier: MIT
#include "core/WindowPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvane {

PixelPoint placeOnScreens(PixelPoint wanted, int frameWidth, const std::vector<PixelRect>& areas)
{
    const int usable = std::clamp(frameWidth, 1, kUsableStripWidth);
    PixelPoint best = wanted;
    long bestDistance = std::numeric_limits<long>::max();
    for (const PixelRect& area : areas) {
        if (area.width < usable || area.height < kTitleStripHeight)
            continue;
        const int overlap =
            std::min(wanted.x + frameWidth, area.x + area.width) - std::max(wanted.x, area.x);
        const bool stripInside =
            wanted.y >= area.y && wanted.y + kTitleStripHeight <= area.y + area.height;
        if (overlap >= usable && stripInside)
            return wanted;
        // Moved, the corner itself comes onto the screen, with the usable part to its right.
        const PixelPoint inside{
            std::clamp(wanted.x, area.x, area.x + area.width - usable),
            std::clamp(wanted.y, area.y, area.y + area.height - kTitleStripHeight)};
        const long distance =
            std::labs(long{inside.x} - wanted.x) + std::labs(long{inside.y} - wanted.y);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = inside;
        }
    }
    return best;
}

} // namespace orvane
