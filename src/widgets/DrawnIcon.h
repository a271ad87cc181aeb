// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace orvane {

// An icon the program draws itself. paint draws the picture in logical pixels (0 to
// logicalSize) with antialiasing on; it runs at scales 1 and 2, so that the picture stays sharp
// on dense screens.
QIcon drawnIcon(int logicalSize, const std::function<void(QPainter&)>& paint);

} // namespace orvane
