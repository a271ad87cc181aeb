// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the Quick Tips reader, in memory and from a file.

#include "FuzzSupport.h"

#include "core/TipsFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvane;
using fuzz::require;

// Counted independently of the reader: how many lines the text holds when CR, CR LF and LF each
// end a line and the last line may lack its end.
std::size_t countLines(std::string_view text)
{
    std::size_t lines = 0;
    bool openLine = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            ++lines;
            openLine = false;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            openLine = true;
        }
    }
    return lines + (openLine ? 1 : 0);
}

std::string withoutLineEnds(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != '\r' && c != '\n')
            kept += c;
    }
    return kept;
}

std::string joinLines(const std::vector<std::string>& tips, std::string_view lineEnd)
{
    std::string text;
    for (const std::string& tip : tips)
        text.append(tip).append(lineEnd);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> tips = parseTips(text);

    std::string joined;
    for (const std::string& tip : tips) {
        require(tip.find_first_of("\r\n") == std::string::npos, "no tip holds a line end");
        joined += tip;
    }
    require(tips.size() == countLines(text), "every line is one tip, empty lines included");
    require(joined == withoutLineEnds(text), "the tips hold every character but the line ends");
    for (const std::string_view lineEnd : {"\n", "\r\n", "\r"}) {
        require(parseTips(joinLines(tips, lineEnd)) == tips,
                "the tips written one a line with any line end read back the same");
    }

    static fuzz::MemoryFile file;
    file.replace(std::span<const std::uint8_t>(data, size));
    require(readTipsFile(file.path()) == tips, "the file reader gives the tips of its text");
    return 0;
}
