// SPDX-License-Identifier: MIT
#pragma once

#include "core/Palette.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The scheme as a JSON object: "name", "current", "mode" ("wheel" or "group"), "scheme" (16
// colours), "favorites" (five, null for an empty slot) and "webPage" (the nine page colours by
// key), every colour as "#RRGGBB". UTF-8, LF line ends.
std::string writeSchemeJson(const ExportedScheme& scheme);
// Reads an object of that layout; its members may come in any order and any may be missing.
// Colours are "#RGB" or "#RRGGBB"; an entry that is no such text counts as skipped, an empty
// favourite slot does not. Nothing for a text that is not strict JSON (see parseJson) or not an
// object with at least one of the colour members.
std::optional<PaletteReading> readJson(std::string_view text);

} // namespace orvane
