// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ScreenGrabber.h"

#include <QImage>
#include <functional>

namespace orvane::test {

// Hands out a prepared picture as the desktop; a null picture plays a desktop that refuses. The
// desktop's own picker answers with desktopPick.
class PreparedScreenGrabber : public ScreenGrabber {
public:
    QImage grabDesktop() override
    {
        ++grabs;
        if (whileGrabbing)
            whileGrabbing();
        return picture;
    }
    DesktopColorPick pickColor() override { return desktopPick; }
    QImage picture;
    int grabs = 0;
    // What happens while the desktop is asked, which can take a while.
    std::function<void()> whileGrabbing;
    DesktopColorPick desktopPick;
};

} // namespace orvane::test
