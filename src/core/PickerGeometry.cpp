#include "core/PickerGeometry.h"

namespace orvane {

int magnifiedBlockStart(int pointer, int extent)
{
    constexpr int half = kMagnifiedSpan / 2;
    if (pointer < half)
        return 0;
    // The block stops at the far edge as soon as the pointer comes within a block's length of
    // it, not only when a centred block would run over.
    if (pointer > extent - kMagnifiedSpan)
        return extent - kMagnifiedSpan;
    // Pointer positions are whole pixels, so the centred start needs no rounding.
    return pointer - half;
}

PixelPoint magnifiedBlockOrigin(PixelPoint pointer, int width, int height)
{
    return {magnifiedBlockStart(pointer.x, width), magnifiedBlockStart(pointer.y, height)};
}

int magnifierPanelLeftOnEnter(int left, int windowWidth)
{
    return left < 50 ? windowWidth - 120 : kMagnifierPanelHome;
}

} // namespace orvane
