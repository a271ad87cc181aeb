// SPDX-License-Identifier: MIT
#include "widgets/X11DesktopGrab.h"

#include "widgets/X11Connection.h"

#include <QSysInfo>

namespace orvane {

namespace {

// The pixel layout of the root window's depth and visual on this screen.
X11PixelLayout rootLayout(const xcb_setup_t* setup, const xcb_screen_t* screen)
{
    X11PixelLayout layout;
    layout.depth = screen->root_depth;
    layout.leastSignificantByteFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format))
        if (format.data->depth == screen->root_depth && format.data->scanline_pad == 32)
            layout.bitsPerPixel = format.data->bits_per_pixel;
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual))
            if (visual.data->visual_id == screen->root_visual) {
                layout.redMask = visual.data->red_mask;
                layout.greenMask = visual.data->green_mask;
                layout.blueMask = visual.data->blue_mask;
            }
    return layout;
}

// The plain request, for servers that share no memory with this process (a remote display).
QImage grabThroughReply(xcb_connection_t* connection, xcb_window_t root, const QRect& device)
{
    // An error taken here stays out of Qt's event queue, which would report it.
    xcb_generic_error_t* error = nullptr;
    auto reply = ownedReply(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, device.x(),
                                          device.y(), device.width(), device.height(), ~0u),
                            &error));
    std::free(error);
    const qsizetype bytesPerLine = qsizetype(device.width()) * 4;
    if (!reply || xcb_get_image_data_length(reply.get()) < bytesPerLine * device.height())
        return {};
    uchar* pixels = xcb_get_image_data(reply.get());
    return QImage(pixels, device.width(), device.height(), bytesPerLine, QImage::Format_RGB32,
                  &std::free, reply.release());
}

} // namespace

bool wrapsAsRgb32(const X11PixelLayout& layout)
{
    const bool hostLeastSignificantFirst = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    return layout.depth == 24 && layout.bitsPerPixel == 32 &&
           layout.leastSignificantByteFirst == hostLeastSignificantFirst &&
           layout.redMask == 0xFF0000 && layout.greenMask == 0xFF00 && layout.blueMask == 0xFF;
}

QImage grabX11Root(const QRect& device, X11SnapshotMemory& memory)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || device.isEmpty())
        return {};
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = x11RootScreen(connection);
    if (!wrapsAsRgb32(rootLayout(setup, screen)))
        return {};
    QImage image = memory.grab(connection, screen->root, device);
    return image.isNull() ? grabThroughReply(connection, screen->root, device) : image;
}

} // namespace orvane
