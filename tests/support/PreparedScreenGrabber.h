#pragma once

#include "widgets/ScreenGrabber.h"

#include <QImage>

namespace orvane::test {

// Hands out a prepared picture as the desktop; a null picture plays a desktop that refuses. The
// desktop's own picker answers with desktopPick.
class PreparedScreenGrabber : public ScreenGrabber {
public:
    QImage grabDesktop() override
    {
        ++grabs;
        return picture;
    }
    DesktopColorPick pickColor() override { return desktopPick; }
    QImage picture;
    int grabs = 0;
    DesktopColorPick desktopPick;
};

} // namespace orvane::test
