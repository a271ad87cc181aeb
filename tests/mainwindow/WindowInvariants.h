#pragma once

#include "core/AppState.h"

#include <optional>
#include <string>

namespace orvane {
class MainWindow;
}

namespace orvane::test {

// Rules that hold between any two user actions, whatever they were: the undo history and its
// menu items, the colours shown and stored, the value boxes and the tool-window toggles.
// Returns the first rule found broken, or nothing. storedColoursValid is false after a scheme
// file of arbitrary bytes, whose favourite and web colours the program keeps as they are.
std::optional<std::string> brokenInvariant(MainWindow& window, const AppState& state,
                                           bool storedColoursValid = true);

} // namespace orvane::test
