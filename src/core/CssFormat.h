// SPDX-License-Identifier: MIT
#pragma once

#include "core/Palette.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Stylesheets as palettes: CSS custom properties, one a colour.

// One ":root" rule with a property "--orvane-" and the colour's name in lower-case words joined
// by hyphens, valued "#RRGGBB"; LF line ends.
std::string writeCss(const Palette& palette);
// The property a colour gets: "Header bar" becomes "--orvane-header-bar".
std::string cssPropertyName(std::string_view colorName);
// Reads every declaration whose value is a colour written as #RGB, #RRGGBB (either with an
// alpha digit pair or digit), rgb(), rgba(), hsl() or hsla(), in rules at any depth. A custom
// property gives its colour a name from its words ("--orvane-scheme-1" is "Scheme 1"), any
// other property is named after its rule ("a:hover color"). A value that starts like a colour
// but cannot be read counts as skipped. Nothing when the text holds no colour at all.
std::optional<PaletteReading> readCss(std::string_view text);

} // namespace orvane
