// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QString>

namespace orvane {

// What the status bars show for a colour, with the labels translated: "RGB: 255.128.0" and
// "HEX: #FF8000". The forms hold %1 where the colour goes.
QString rgbStatusForm();
QString hexStatusForm();
QString rgbStatusText(ColorValue color);
QString hexStatusText(ColorValue color);

} // namespace orvane
