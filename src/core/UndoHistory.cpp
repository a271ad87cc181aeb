// SPDX-License-Identifier: MIT
#include "core/UndoHistory.h"

#include <algorithm>

namespace orvane {

void recordUndo(AppState& state, ColorValue color)
{
    int position = std::clamp<int>(state.UndoPos, 0, kUndoLastSlot) + 1;
    if (position > kUndoLastSlot) {
        std::copy(state.UndoColors.begin() + 1, state.UndoColors.end(), state.UndoColors.begin());
        position = kUndoLastSlot;
    }
    state.UndoPos = static_cast<std::int16_t>(position);
    std::fill(state.UndoColors.begin() + state.UndoPos, state.UndoColors.end(), kNoColor);
    state.UndoColors[state.UndoPos] = color;
}

bool canUndo(const AppState& state)
{
    return state.UndoPos >= 2 && state.UndoPos <= kUndoLastSlot;
}

bool canRedo(const AppState& state)
{
    return state.UndoPos >= 1 && state.UndoPos < kUndoLastSlot &&
           state.UndoColors[state.UndoPos + 1] >= 0;
}

std::optional<ColorValue> stepBack(AppState& state)
{
    if (!canUndo(state))
        return std::nullopt;
    --state.UndoPos;
    return state.UndoColors[state.UndoPos];
}

std::optional<ColorValue> stepForward(AppState& state)
{
    if (!canRedo(state))
        return std::nullopt;
    ++state.UndoPos;
    return state.UndoColors[state.UndoPos];
}

} // namespace orvane
