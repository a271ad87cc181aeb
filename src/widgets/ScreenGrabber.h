// SPDX-License-Identifier: MIT
#pragma once

#include "core/PickerGeometry.h"
#include "widgets/DesktopColorPick.h"
#include "widgets/X11SnapshotMemory.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <vector>

namespace orvane {

// Takes a picture of the whole desktop for the screen colour picker. Behind a seam so that tests
// hand the picker a prepared picture instead of the real screen.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;
    // The desktop in device pixels, with the image's devicePixelRatio saying how many of them
    // there are to a logical pixel. A null image when the platform refuses to hand the screen
    // over.
    virtual QImage grabDesktop() = 0;
    // Lets the user pick with the desktop's own picker where the frozen screen cannot serve;
    // not offered by default.
    virtual DesktopColorPick pickColor() { return {}; }
};

// Grabs every screen and composes the pictures into one image of the virtual desktop. On X the
// server hands the whole desktop over in one request, and the pictures share its pixels.
class QtScreenGrabber : public ScreenGrabber {
public:
    QImage grabDesktop() override;

private:
    X11SnapshotMemory x11Memory_;
};

// What one screen showed, and where it stands on the virtual desktop.
struct ScreenPicture {
    QRect geometry; // logical pixels
    qreal devicePixelRatio = 1;
    QImage picture; // device pixels
};

// The rectangle, in logical pixels, that the screens cover together.
QRect desktopGeometry();
// Where each screen's device pixels stand on the desktop and in a snapshot that composeDesktop
// made at this ratio.
std::vector<ScreenPixels> screenPixels(qreal snapshotRatio);
// One image of the rectangle the screens cover together, at the highest device pixel ratio
// among them; null when any picture is missing.
QImage composeDesktop(const QList<ScreenPicture>& screens);

} // namespace orvane
