// SPDX-License-Identifier: MIT
#include "filedialog/SelectionText.h"

namespace orvane {

std::string selectionText(const std::vector<std::filesystem::path>& files)
{
    if (files.size() == 1)
        return files.front().string();
    std::string text;
    if (files.empty())
        return text;
    text = files.front().parent_path().string();
    for (const std::filesystem::path& file : files) {
        text += '\0';
        text += file.filename().string();
    }
    return text;
}

} // namespace orvane
