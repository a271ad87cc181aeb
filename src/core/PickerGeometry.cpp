#include "core/PickerGeometry.h"

#include <cmath>

namespace orvane {

namespace {

constexpr double kSlack = 1.0 / 1024;

int deviceOffset(double logicalOffset, double ratio)
{
    return static_cast<int>(std::floor(logicalOffset * ratio + kSlack));
}

bool holds(const ScreenPixels& screen, double x, double y, double scale)
{
    return x >= screen.origin.x && y >= screen.origin.y &&
           x < screen.origin.x + screen.deviceSize.x / scale &&
           y < screen.origin.y + screen.deviceSize.y / scale;
}

} // namespace

PixelPoint devicePixelAt(double x, double y, const ScreenPixels& screen)
{
    return {screen.origin.x + deviceOffset(x - screen.origin.x, screen.ratio),
            screen.origin.y + deviceOffset(y - screen.origin.y, screen.ratio)};
}

const ScreenPixels& screenHolding(PixelPoint device, const std::vector<ScreenPixels>& screens)
{
    for (const ScreenPixels& screen : screens)
        if (holds(screen, device.x, device.y, 1))
            return screen;
    return screens.front();
}

const ScreenPixels& screenHolding(double x, double y, const std::vector<ScreenPixels>& screens)
{
    for (const ScreenPixels& screen : screens)
        if (holds(screen, x, y, screen.ratio))
            return screen;
    return screens.front();
}

PixelPoint snapshotPixelOf(PixelPoint device, const ScreenPixels& screen)
{
    return {
        screen.snapshotOrigin.x + deviceOffset(device.x - screen.origin.x, screen.snapshotScale),
        screen.snapshotOrigin.y + deviceOffset(device.y - screen.origin.y, screen.snapshotScale)};
}

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
