// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// What a file dialog backend reports when the user confirmed a choice.
struct DialogChoice {
    // The chosen path; for several files the folder, then each file name, separated by '\0'.
    std::string fileName;
    // The chosen file's name without its folder.
    std::string fileTitle;
    // 1-based index of the filter in use when the dialog closed.
    std::int32_t filterIndex = 0;
    std::int32_t flags = 0;
};

} // namespace orvane
