// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QString>
#include <optional>

class QMimeData;

namespace orvane {

// The one format in which a colour travels by drag and drop between Orvane's controls.
// The drop target learns the dragged control from the drop event's source.
inline const QString kColorMimeType = QStringLiteral("application/x-orvane-color");

QMimeData* makeColorMime(ColorValue color);
// The colour of a drag that began in this program; nothing for any other data, whose content is
// never asked for.
std::optional<ColorValue> colorFromMime(const QMimeData* mime);

} // namespace orvane
