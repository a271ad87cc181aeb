// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"

#include <optional>

namespace orvane {

// The lowest-numbered empty favourite slot; nothing when all five hold a colour (black counts).
std::optional<int> firstEmptyFavorite(const AppState& state);

} // namespace orvane
