// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/DesktopPortal.h"
#include "widgets/ScreenGrabber.h"

namespace orvane {

// Takes the desktop's picture through the desktop portal, the only way a Wayland session hands
// the screen over; Qt's own grab there is empty, or all black through XWayland. An all-black
// picture therefore counts as none, so that a pick never silently gives black.
class PortalScreenGrabber : public ScreenGrabber {
public:
    // The desktop's picker waits for the user, so its portal gets a long timeout.
    explicit PortalScreenGrabber(DesktopPortal portal = DesktopPortal(),
                                 DesktopPortal picker = DesktopPortal(QDBusConnection::sessionBus(),
                                                                      std::chrono::minutes(2)));
    QImage grabDesktop() override;
    // Offered where Qt runs natively on Wayland with several outputs.
    DesktopColorPick pickColor() override;

private:
    DesktopPortal portal_;
    DesktopPortal picker_;
};

} // namespace orvane
