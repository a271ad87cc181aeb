// SPDX-License-Identifier: MIT
#include "core/PickerGeometry.h"

#include <algorithm>
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

ScreenPixels pickerWindowPixels(const std::vector<ScreenPixels>& screens)
{
    PixelPoint first = screens.front().origin;
    PixelPoint last = first;
    for (const ScreenPixels& screen : screens) {
        first = {std::min(first.x, screen.origin.x), std::min(first.y, screen.origin.y)};
        last = {std::max(last.x, screen.origin.x + screen.deviceSize.x),
                std::max(last.y, screen.origin.y + screen.deviceSize.y)};
    }
    return {first,
            {last.x - first.x, last.y - first.y},
            screenHolding(first, screens).ratio,
            {0, 0},
            1};
}

std::vector<SnapshotPiece> snapshotPieces(const ScreenPixels& window,
                                          const std::vector<ScreenPixels>& screens)
{
    std::vector<SnapshotPiece> pieces;
    for (const ScreenPixels& screen : screens)
        pieces.push_back(
            {(screen.origin.x - window.origin.x) / window.ratio,
             (screen.origin.y - window.origin.y) / window.ratio,
             screen.deviceSize.x / window.ratio,
             screen.deviceSize.y / window.ratio,
             {screen.snapshotOrigin.x, screen.snapshotOrigin.y,
              static_cast<int>(std::lround(screen.deviceSize.x * screen.snapshotScale)),
              static_cast<int>(std::lround(screen.deviceSize.y * screen.snapshotScale))}});
    return pieces;
}

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

PixelPoint steppedPointer(PixelPoint pointer, int dx, int dy,
                          const std::vector<ScreenPixels>& screens)
{
    const PixelPoint target{pointer.x + dx, pointer.y + dy};
    for (const ScreenPixels& screen : screens)
        if (holds(screen, target.x, target.y, 1))
            return target;
    const ScreenPixels& screen = screenHolding(pointer, screens);
    if (screen.deviceSize.x <= 0 || screen.deviceSize.y <= 0)
        return pointer;
    return {std::clamp(target.x, screen.origin.x, screen.origin.x + screen.deviceSize.x - 1),
            std::clamp(target.y, screen.origin.y, screen.origin.y + screen.deviceSize.y - 1)};
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
