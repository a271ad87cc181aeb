// SPDX-License-Identifier: MIT
#include "filedialog/SelectionText.h"

#include "core/Utf8Path.h"

namespace orvane {

std::string selectionText(const std::vector<std::filesystem::path>& files)
{
    if (files.size() == 1)
        return utf8Of(files.front());
    std::string text;
    if (files.empty())
        return text;
    text = utf8Of(files.front().parent_path());
    for (const std::filesystem::path& file : files) {
        text += '\0';
        text += utf8Of(file.filename());
    }
    return text;
}

} // namespace orvane
