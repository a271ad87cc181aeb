#include "core/TipsFile.h"

#include <fstream>
#include <new>
#include <system_error>

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

std::vector<std::string> readTipsFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    // A tips file too large to hold shows no tips rather than taking the program down.
    try {
        std::string text;
        char chunk[64 * 1024];
        while (file.read(chunk, sizeof chunk) || file.gcount() > 0)
            text.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (file.bad())
            return {}; // a file that fails part-way is unreadable, not shorter
        return parseTips(text);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace orvane
