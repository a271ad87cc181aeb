// SPDX-License-Identifier: MIT
#include "widgets/ColorMime.h"

#include "widgets/QtConversions.h"

#include <QMimeData>

namespace orvane {

namespace {

// What a swatch of this program drags. A drop target reads only this object: a drag from another
// program arrives as the platform's stand-in for that program's data, and asking it for the data
// waits on that program, which may offer a great deal or answer slowly.
class OwnColorMime final : public QMimeData {};

} // namespace

QMimeData* makeColorMime(ColorValue color)
{
    auto* mime = new OwnColorMime;
    mime->setData(kColorMimeType, QByteArray::number(color));
    mime->setText(qText(hashHex(color)));
    return mime;
}

std::optional<ColorValue> colorFromMime(const QMimeData* mime)
{
    if (dynamic_cast<const OwnColorMime*>(mime) == nullptr)
        return std::nullopt;
    bool ok = false;
    const int value = mime->data(kColorMimeType).toInt(&ok);
    if (!ok || !isValidColor(value))
        return std::nullopt;
    return value;
}

} // namespace orvane
