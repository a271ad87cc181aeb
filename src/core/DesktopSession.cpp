#include "core/DesktopSession.h"

namespace orvane {

bool isWaylandSession(std::string_view waylandDisplay, std::string_view sessionType)
{
    return !waylandDisplay.empty() || sessionType == "wayland";
}

} // namespace orvane
