// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <string>

namespace orvane {

// Installs Orvane's translation for the first of the user's languages it has one for,
// orvane_LL.qm in programDir, with Qt's own for that language (its dialogs and buttons). Returns
// the language as the file names it ("de"); empty where no language matches and everything stays
// English. Works on a QCoreApplication too, before any window exists.
std::string installTranslations(QCoreApplication& application,
                                const std::filesystem::path& programDir);

} // namespace orvane
