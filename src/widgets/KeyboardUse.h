// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QKeyEvent;
class QPainter;
class QRect;

namespace orvane {

// What the colour controls share for use without a mouse.

// Enter, Return or Space: what a left click does.
bool isActivationKey(const QKeyEvent* event);
// The Menu key or Shift+F10: what a right click does.
bool isMenuKey(const QKeyEvent* event);
// One step in the direction of an arrow key (x to the right, y down); a null point for any
// other key.
QPoint arrowStep(const QKeyEvent* event);
// A black rectangle with a white one just inside it, so that the focus shows on every colour.
void drawFocusFrame(QPainter& painter, const QRect& outer);

} // namespace orvane
