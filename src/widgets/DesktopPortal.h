// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/DesktopColorPick.h"

#include <QDBusConnection>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <chrono>
#include <optional>

namespace orvane {

// Asks the desktop portal over D-Bus for what a Wayland desktop hands out only on request: a
// picture of the screen, or the colour of a pixel the user points at. Each request waits for the
// desktop's answer in a local event loop, so that windows keep painting meanwhile, and gives up
// after the timeout.
class DesktopPortal {
public:
    explicit DesktopPortal(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                           std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // The address of a picture of the whole desktop. Asked first without a dialog; when the
    // desktop refuses that, asked once more letting it ask the user. Nothing after a second
    // refusal, a timeout, or when no portal is on the bus.
    std::optional<QUrl> screenshot();
    // The colour of the pixel the user chooses on the desktop's own picker. No answer when no
    // portal is on the bus or none came in time; the user may take long, so allow a long timeout.
    DesktopColorPick pickColor();

private:
    // The desktop's answer: 0 when granted, 1 when the user cancelled, 2 when refused otherwise.
    struct Response {
        uint code = 0;
        QVariantMap results;
    };
    std::optional<Response> request(const QString& method, QVariantMap options);

    QDBusConnection bus_;
    std::chrono::milliseconds timeout_;
};

} // namespace orvane
