// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace orvane {

// Hands a document to the desktop to open with its associated program. Behind a seam so that
// tests record the path instead of starting anything.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void open(const std::filesystem::path& document) = 0;
};

class DesktopShellOpener : public ShellOpener {
public:
    void open(const std::filesystem::path& document) override;
};

} // namespace orvane
