// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// The file buffer text of a confirmed choice, as the classic dialog fills it: one file as its
// full path; several files as the folder of the first, then each file's name, separated by
// '\0'. Empty for no file.
std::string selectionText(const std::vector<std::filesystem::path>& files);

} // namespace orvane
