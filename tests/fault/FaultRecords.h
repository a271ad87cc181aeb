#pragma once

#include "core/AppState.h"
#include "core/SettingsRecord.h"

#include <cstddef>
#include <cstdint>

namespace orvane::fault {

enum class Which { A, B };

// The records of the two states the writer alternates between. They differ in every byte, so a
// file holding any mixture of the two matches neither.
inline SettingsRecord faultRecord(Which which)
{
    SettingsRecord bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto a = static_cast<std::uint8_t>(i * 37 + 11);
        bytes[i] = which == Which::A ? a : static_cast<std::uint8_t>(~a);
    }
    return bytes;
}

inline AppState faultState(Which which)
{
    AppState state;
    SetDefaults(state);
    decodeRecord(faultRecord(which), state);
    return state;
}

} // namespace orvane::fault
