// SPDX-License-Identifier: MIT
#include "widgets/X11SnapshotMemory.h"

#include "widgets/X11Connection.h"

#include <QGuiApplication>
#include <QTimer>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <utility>
#include <xcb/shm.h>

namespace orvane {

namespace {

// A segment attached by this process and by the server.
struct Segment {
    xcb_connection_t* connection;
    xcb_shm_seg_t id;
    void* address;
    qsizetype size;

    Segment(xcb_connection_t* connection, xcb_shm_seg_t id, void* address, qsizetype size)
        : connection(connection), id(id), address(address), size(size)
    {
    }
    Segment(const Segment&) = delete;
    Segment& operator=(const Segment&) = delete;
    ~Segment()
    {
        // Once Qt has closed its connection, the server has let go of the segment by itself.
        if (qGuiApp && x11Connection() == connection) {
            xcb_shm_detach(connection, id);
            xcb_flush(connection);
        }
        shmdt(address);
    }
};

std::shared_ptr<Segment> attachSegment(xcb_connection_t* connection, qsizetype size)
{
    // A request of an extension the server lacks would close the connection.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!extension || !extension->present)
        return {};
    const int key = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (key < 0)
        return {};
    void* address = shmat(key, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(key, IPC_RMID, nullptr);
        return {};
    }
    const xcb_shm_seg_t id = xcb_generate_id(connection);
    const auto refused = ownedReply(
        xcb_request_check(connection, xcb_shm_attach_checked(connection, id, key, false)));
    // Attached on both sides, the segment disappears with the last detach, also if this
    // process dies.
    shmctl(key, IPC_RMID, nullptr);
    if (refused) {
        shmdt(address);
        return {};
    }
    return std::make_shared<Segment>(connection, id, address, size);
}

} // namespace

struct X11SnapshotMemory::Spare {
    std::shared_ptr<Segment> segment;
    QTimer release;
};

// What an image over a segment holds: the segment, and where to give it back.
struct X11SnapshotMemory::Lease {
    std::shared_ptr<Segment> segment;
    std::weak_ptr<Spare> home;
};

X11SnapshotMemory::X11SnapshotMemory(std::chrono::milliseconds keepSpare)
    : spare_(std::make_shared<Spare>())
{
    spare_->release.setSingleShot(true);
    spare_->release.setInterval(keepSpare);
    QObject::connect(&spare_->release, &QTimer::timeout,
                     [spare = spare_.get()] { spare->segment.reset(); });
}

QImage X11SnapshotMemory::grab(xcb_connection_t* connection, std::uint32_t root,
                               const QRect& device)
{
    const qsizetype bytesPerLine = qsizetype(device.width()) * 4;
    const qsizetype size = bytesPerLine * device.height();
    spare_->release.stop();
    std::shared_ptr<Segment> segment = std::exchange(spare_->segment, nullptr);
    if (segment && (segment->size != size || segment->connection != connection))
        segment.reset();
    if (!segment)
        segment = attachSegment(connection, size);
    if (!segment)
        return {};
    // An error taken here stays out of Qt's event queue, which would report it.
    xcb_generic_error_t* error = nullptr;
    const auto reply = ownedReply(xcb_shm_get_image_reply(
        connection,
        xcb_shm_get_image(connection, root, device.x(), device.y(), device.width(), device.height(),
                          ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment->id, 0),
        &error));
    std::free(error);
    if (!reply)
        return {};
    auto* lease = new Lease{segment, spare_};
    return QImage(
        static_cast<uchar*>(segment->address), device.width(), device.height(), bytesPerLine,
        QImage::Format_RGB32,
        [](void* held) {
            const std::unique_ptr<Lease> lease(static_cast<Lease*>(held));
            if (const auto home = lease->home.lock(); home && !home->segment) {
                home->segment = std::move(lease->segment);
                home->release.start();
            }
        },
        lease);
}

} // namespace orvane
