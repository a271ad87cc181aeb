// SPDX-License-Identifier: MIT
#include "core/DesktopSession.h"

namespace orvane {

bool isWaylandSession(std::string_view waylandDisplay, std::string_view sessionType)
{
    return !waylandDisplay.empty() || sessionType == "wayland";
}

bool prefersXWayland(std::string_view waylandDisplay, std::string_view sessionType,
                     std::string_view chosenPlatform, std::string_view xDisplay)
{
    return isWaylandSession(waylandDisplay, sessionType) && chosenPlatform.empty() &&
           !xDisplay.empty();
}

ScreenPickerKind screenPickerKind(std::string_view platformName, int screenCount)
{
    // Through XWayland the platform is xcb, which places windows as on X11.
    if (!platformName.starts_with("wayland"))
        return ScreenPickerKind::FrozenDesktop;
    return screenCount > 1 ? ScreenPickerKind::DesktopPicker : ScreenPickerKind::FrozenOutput;
}

} // namespace orvane
