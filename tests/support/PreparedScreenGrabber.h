#pragma once

#include "widgets/ScreenGrabber.h"

#include <QImage>

namespace orvane::test {

// Hands out a prepared picture as the desktop; a null picture plays a desktop that refuses.
class PreparedScreenGrabber : public ScreenGrabber {
public:
    QImage grabDesktop() override
    {
        ++grabs;
        return picture;
    }
    QImage picture;
    int grabs = 0;
};

} // namespace orvane::test
