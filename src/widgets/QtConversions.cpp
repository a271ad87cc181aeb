// SPDX-License-Identifier: MIT
#include "widgets/QtConversions.h"

#include <QByteArray>
#include <QFile>

namespace orvane {

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

QColor toQColor(ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    return QColor(c.red, c.green, c.blue);
}

QString pathToQString(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathFromQString(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace orvane
