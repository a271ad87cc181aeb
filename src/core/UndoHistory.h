// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"

#include <optional>

namespace orvane {

// The undo history lives in AppState: UndoColors with the cursor UndoPos. Slot 0 only ever
// receives the oldest colour on overflow and is out of reach, so at most 50 colours are offered.
inline constexpr int kUndoLastSlot = kUndoSlots - 1;

// Records a new current colour after the cursor, dropping the redo tail and, when the history
// is full, the oldest colour.
void recordUndo(AppState& state, ColorValue color);

bool canUndo(const AppState& state);
bool canRedo(const AppState& state);

// Move the cursor one step and return the colour there; nothing when that step is not possible.
std::optional<ColorValue> stepBack(AppState& state);
std::optional<ColorValue> stepForward(AppState& state);

} // namespace orvane
