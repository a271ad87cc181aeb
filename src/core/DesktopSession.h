#pragma once

#include <string_view>

namespace orvane {

// Whether the desktop session is a Wayland one, told by its WAYLAND_DISPLAY and
// XDG_SESSION_TYPE variables (empty when unset). It is one also for a program that runs through
// XWayland: that X server shows its clients only their own windows.
bool isWaylandSession(std::string_view waylandDisplay, std::string_view sessionType);

} // namespace orvane
