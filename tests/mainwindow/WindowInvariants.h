#pragma once

#include "core/AppState.h"

#include <optional>
#include <string>

namespace orvane {
class MainWindow;
}

namespace orvane::test {

// Rules that hold between any two user actions once the main window has started, whatever
// the actions were: the undo history and its menu items, the colours every swatch and box
// shows, the captions and buttons of the tool-window toggles, the scheme mode and the status
// bar. Returns the first rule found broken, described, or nothing.
//
// storedColoursValid: whether FavColors and WebColors came from Orvane itself. A scheme file
// of arbitrary bytes puts any number there, and the program keeps such a number as it is.
std::optional<std::string> brokenInvariant(MainWindow& window, const AppState& state,
                                           bool storedColoursValid = true);

} // namespace orvane::test
