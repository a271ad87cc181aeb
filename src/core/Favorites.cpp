// SPDX-License-Identifier: MIT
#include "core/Favorites.h"

namespace orvane {

std::optional<int> firstEmptyFavorite(const AppState& state)
{
    for (int slot = 0; slot < kFavoriteSlots; ++slot) {
        if (state.FavColors[slot] < 0)
            return slot;
    }
    return std::nullopt;
}

} // namespace orvane
