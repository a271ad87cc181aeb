// SPDX-License-Identifier: MIT
#include "colour/Harmonies.h"

namespace orvane {

std::optional<HarmonySquares> harmonySquares(int kindIndex, const HarmonyBaseColors& colors)
{
    if (kindIndex < 0 || kindIndex >= static_cast<int>(kHarmonyKinds.size()))
        return std::nullopt;
    const HarmonyKind& kind = kHarmonyKinds[kindIndex];
    HarmonySquares squares{};
    for (int square = 0; square < 3; ++square)
        squares.colors[square] = colors[kind.squareSlots[square]];
    squares.showsThird = kind.showsThird;
    return squares;
}

} // namespace orvane
