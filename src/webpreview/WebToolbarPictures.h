// SPDX-License-Identifier: MIT
#pragma once

class QPainter;

namespace orvane {

// The web preview's toolbar pictures, drawn in a 16-pixel square.
void paintSavePicture(QPainter& painter);
void paintResetPicture(QPainter& painter);
void paintContrastPicture(QPainter& painter);

} // namespace orvane
