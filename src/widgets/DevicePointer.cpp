// SPDX-License-Identifier: MIT
#include "widgets/DevicePointer.h"

#include "widgets/X11Connection.h"

#include <QCursor>
#include <QPoint>

namespace orvane {

std::optional<PixelPoint> exactDevicePointer()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const auto reply = ownedReply(xcb_query_pointer_reply(
        connection, xcb_query_pointer(connection, x11RootScreen(connection)->root), nullptr));
    if (!reply)
        return std::nullopt;
    return PixelPoint{reply->root_x, reply->root_y};
}

void moveDevicePointer(PixelPoint device, const ScreenPixels& screen)
{
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_warp_pointer(connection, XCB_NONE, x11RootScreen(connection)->root, 0, 0, 0, 0,
                         static_cast<int16_t>(device.x), static_cast<int16_t>(device.y));
        xcb_flush(connection);
        return;
    }
    QCursor::setPos(QPointF(screen.origin.x + (device.x - screen.origin.x) / screen.ratio,
                            screen.origin.y + (device.y - screen.origin.y) / screen.ratio)
                        .toPoint());
}

} // namespace orvane
