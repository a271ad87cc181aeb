// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ShellOpener.h"

#include <vector>

namespace orvane::test {

// Records the documents handed to the desktop instead of opening them.
class RecordingShellOpener : public ShellOpener {
public:
    void open(const std::filesystem::path& document) override { opened.push_back(document); }
    std::vector<std::filesystem::path> opened;
};

} // namespace orvane::test
