// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <chrono>
#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace orvane {

// Memory shared with the X server, into which the server writes a snapshot of the desktop
// straight from its frame buffer. The segment of the last snapshot is kept attached on both
// sides for a while after its image is gone and used again by the next snapshot of the same
// size: the server's first writes into fresh pages cost several times the grab itself, and a
// user often picks again soon.
class X11SnapshotMemory {
public:
    explicit X11SnapshotMemory(std::chrono::milliseconds keepSpare = std::chrono::seconds(15));

    // The root window's pixels in this rectangle of device pixels, wrapped as RGB32 without a
    // copy; a null image when the server shares no memory with this process or refuses.
    QImage grab(xcb_connection_t* connection, std::uint32_t root, const QRect& device);

private:
    struct Spare;
    struct Lease;
    std::shared_ptr<Spare> spare_;
};

} // namespace orvane
