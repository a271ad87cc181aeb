#include "widgets/ColorMime.h"

#include "widgets/QtConversions.h"

#include <QMimeData>

namespace orvane {

QMimeData* makeColorMime(ColorValue color)
{
    auto* mime = new QMimeData;
    mime->setData(kColorMimeType, QByteArray::number(color));
    mime->setText(qText(hashHex(color)));
    return mime;
}

std::optional<ColorValue> colorFromMime(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasFormat(kColorMimeType))
        return std::nullopt;
    bool ok = false;
    const int value = mime->data(kColorMimeType).toInt(&ok);
    if (!ok || !isValidColor(value))
        return std::nullopt;
    return value;
}

} // namespace orvane
