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

} // namespace orvane
