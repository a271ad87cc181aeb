// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace orvane {

// Draws text in area, squeezed sideways when the font at hand runs wider than the area: the
// window was laid out for Tahoma, and the families that stand in for it are broader.
void drawFitted(QPainter& painter, const QRectF& area, int flags, const QString& text);

} // namespace orvane
