// SPDX-License-Identifier: MIT
#include "widgets/ShellOpener.h"

#include "widgets/QtConversions.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvane {

void DesktopShellOpener::open(const std::filesystem::path& document)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(pathToQString(document.string())));
}

} // namespace orvane
