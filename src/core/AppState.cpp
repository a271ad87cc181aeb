// SPDX-License-Identifier: MIT
#include "core/AppState.h"

namespace orvane {

void SetDefaults(AppState& state)
{
    state.UndoColors.fill(kNoColor);
    state.UndoPos = 0;
    state.WebColors = {0xD13241, 0x21BD7D, 0xFFFFFF, 0x0087FF, 0x000000,
                       0xFFFFFF, 0x000000, 0x804D1A, 0x000000};
    state.FavColors.fill(kNoColor);
    state.WebLeft = 100;
    state.WebTop = 100;
    state.HarmoniesLeft = 100;
    state.HarmoniesTop = 100;
    state.HistoryLeft = 100;
    state.HistoryTop = 100;
    state.AdjustStep = 30;
    state.FavoritesLeft = 500;
    state.FavoritesTop = 500;
    state.ToolVisible = {kFlagTrue, kFlagFalse, kFlagFalse, kFlagFalse};
    state.ShowTipsAtStart = kFlagTrue;
}

} // namespace orvane
