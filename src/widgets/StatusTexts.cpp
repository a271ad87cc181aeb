// SPDX-License-Identifier: MIT
#include "widgets/StatusTexts.h"

#include "widgets/QtConversions.h"

#include <QCoreApplication>

namespace orvane {

QString rgbStatusForm()
{
    return QCoreApplication::translate("orvane::StatusTexts", "RGB: %1");
}

QString hexStatusForm()
{
    return QCoreApplication::translate("orvane::StatusTexts", "HEX: %1");
}

QString rgbStatusText(ColorValue color)
{
    return rgbStatusForm().arg(qText(dottedRgb(color)));
}

QString hexStatusText(ColorValue color)
{
    return hexStatusForm().arg(qText(hashHex(color)));
}

} // namespace orvane
