// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QColor>
#include <QString>
#include <string>

namespace orvane {

// Conversions between the plain C++ layers' values and Qt's, shared by every window.

// Text from the plain C++ layers, which is UTF-8.
QString qText(const std::string& text);

QColor toQColor(ColorValue color);

// Paths, encoded the way Qt's file classes name files to the file system.
QString pathToQString(const std::string& path);
std::string pathFromQString(const QString& path);

} // namespace orvane
