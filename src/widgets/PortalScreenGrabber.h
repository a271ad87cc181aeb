#pragma once

#include "widgets/DesktopPortal.h"
#include "widgets/ScreenGrabber.h"

namespace orvane {

// Takes the desktop's picture through the desktop portal, the only way a Wayland session hands
// the screen over; Qt's own grab there is empty, or all black through XWayland. An all-black
// picture therefore counts as none, so that a pick never silently gives black.
class PortalScreenGrabber : public ScreenGrabber {
public:
    explicit PortalScreenGrabber(DesktopPortal portal = DesktopPortal());
    QImage grabDesktop() override;

private:
    DesktopPortal portal_;
};

} // namespace orvane
