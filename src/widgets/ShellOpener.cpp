#include "widgets/ShellOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orvane {

void DesktopShellOpener::open(const std::filesystem::path& document)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

} // namespace orvane
