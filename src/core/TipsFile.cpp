// SPDX-License-Identifier: MIT
#include "core/TipsFile.h"

#include "core/RegularFile.h"

#include <new>
#include <optional>

namespace orvane {

std::vector<std::string> parseTips(std::string_view text)
{
    std::vector<std::string> tips;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            tips.emplace_back(text.substr(start));
            break;
        }
        tips.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return tips;
}

std::vector<std::string> readTipsFile(const std::filesystem::path& path, bool* tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    const std::optional<RegularFile> file = RegularFile::open(path);
    // One byte past the limit tells a file that is too large from one that just fits.
    const std::optional<std::vector<std::uint8_t>> bytes =
        file ? file->readUpTo(kTipsFileLimit + 1) : std::nullopt;
    if (!bytes)
        return {};
    if (bytes->size() > kTipsFileLimit) {
        if (tooLarge)
            *tooLarge = true;
        return {};
    }
    try {
        return parseTips(
            std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::filesystem::path tipsFileFor(const std::filesystem::path& programDir,
                                  const std::string& language)
{
    if (!language.empty()) {
        const std::filesystem::path translated = programDir / ("tips_" + language + ".txt");
        std::error_code error;
        if (std::filesystem::exists(translated, error))
            return translated;
    }
    return programDir / "tips.txt";
}

} // namespace orvane
