// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Scheme.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// Booleans are kept as the 16-bit values the settings record holds, so that whatever a file
// carries is written back unchanged.
using Flag16 = std::int16_t;
inline constexpr Flag16 kFlagTrue = -1;
inline constexpr Flag16 kFlagFalse = 0;
inline bool isSet(Flag16 flag)
{
    return flag != 0;
}
inline Flag16 toFlag(bool value)
{
    return value ? kFlagTrue : kFlagFalse;
}

// Indices into ToolVisible, in the order the tool windows are reopened.
enum ToolWindowIndex { FavoritesTool = 0, HarmoniesTool = 1, HistoryTool = 2, WebPreviewTool = 3 };
inline constexpr int kToolWindowCount = 4;

inline constexpr int kUndoSlots = 51;
inline constexpr int kFavoriteSlots = 5;
inline constexpr int kWebColorCount = 9;

// Everything more than one window reads or writes. One object, created by the entry routine
// (or a test) and passed by reference; it outlives every window.
struct AppState {
    std::array<ColorValue, kUndoSlots> UndoColors{};
    std::int16_t UndoPos = 0;
    HarmonyBaseColors HarmonyColors{};
    std::array<ColorValue, kWebColorCount> WebColors{};
    std::array<ColorValue, kFavoriteSlots> FavColors{};
    std::int16_t WebLeft = 0;
    std::int16_t WebTop = 0;
    std::int16_t HarmoniesLeft = 0;
    std::int16_t HarmoniesTop = 0;
    std::int16_t FavoritesLeft = 0;
    std::int16_t FavoritesTop = 0;
    std::int16_t HistoryLeft = 0;
    std::int16_t HistoryTop = 0;
    std::array<Flag16, kToolWindowCount> ToolVisible{};
    ColorValue SchemeColor = 0;
    Flag16 ShowTipsAtStart = kFlagFalse;
    ColorValue PickedColor = 0;
    ColorValue PopupColor = 0;
    std::int16_t AdjustStep = 0;
    std::string StartupFile;
};

// Fills the fields with their start-up defaults (HarmonyColors, SchemeColor, PickedColor,
// PopupColor and StartupFile are left alone).
void SetDefaults(AppState& state);

} // namespace orvane
