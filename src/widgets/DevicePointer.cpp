#include "widgets/DevicePointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPoint>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace orvane {

namespace {

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

} // namespace

std::optional<PixelPoint> exactDevicePointer()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, rootWindow(connection)),
                                nullptr),
        &std::free);
    if (!reply)
        return std::nullopt;
    return PixelPoint{reply->root_x, reply->root_y};
}

void moveDevicePointer(PixelPoint device, const ScreenPixels& screen)
{
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_warp_pointer(connection, XCB_NONE, rootWindow(connection), 0, 0, 0, 0,
                         static_cast<int16_t>(device.x), static_cast<int16_t>(device.y));
        xcb_flush(connection);
        return;
    }
    QCursor::setPos(QPointF(screen.origin.x + (device.x - screen.origin.x) / screen.ratio,
                            screen.origin.y + (device.y - screen.origin.y) / screen.ratio)
                        .toPoint());
}

} // namespace orvane
