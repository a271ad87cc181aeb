// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace orvane {

// Whether the desktop session is a Wayland one, told by its WAYLAND_DISPLAY and
// XDG_SESSION_TYPE variables (empty when unset). It is one also for a program that runs through
// XWayland: that X server shows its clients only their own windows.
bool isWaylandSession(std::string_view waylandDisplay, std::string_view sessionType);

// Whether the program should run through XWayland: in a Wayland session where the user has not
// chosen a platform (QT_QPA_PLATFORM) and an X display (DISPLAY) is at hand. A native Wayland
// program cannot place its windows, and where the tool windows stand is part of the layout.
bool prefersXWayland(std::string_view waylandDisplay, std::string_view sessionType,
                     std::string_view chosenPlatform, std::string_view xDisplay);

// How the screen colour picker lets the user pick.
enum class ScreenPickerKind {
    // The frozen snapshot, placed over the whole desktop.
    FrozenDesktop,
    // The frozen snapshot filling the one output it opens on: a native Wayland window can
    // neither be placed nor learn where it stands, but with one output there is only one place.
    FrozenOutput,
    // The desktop's own picker, through the portal: with several outputs a native Wayland window
    // cannot tell which part of the snapshot lies under it.
    DesktopPicker,
};

// The picker for Qt's platform (QGuiApplication::platformName) and the number of screens.
ScreenPickerKind screenPickerKind(std::string_view platformName, int screenCount);

} // namespace orvane
