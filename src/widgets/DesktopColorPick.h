// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

namespace orvane {

// What came of letting the user pick a colour with the desktop's own picker.
struct DesktopColorPick {
    enum class Outcome {
        NotOffered, // no desktop picker here: the frozen screen picks instead
        NoAnswer,   // no portal answered at all
        Cancelled,  // the user cancelled, or the desktop refused or sent no colour
        Picked,
    };
    Outcome outcome = Outcome::NotOffered;
    ColorValue color = 0; // when Picked
};

} // namespace orvane
