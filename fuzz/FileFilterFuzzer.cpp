// SPDX-License-Identifier: MIT
// Feeds arbitrary filter texts and filter indices to the file dialog wrapper: the conversion to
// the dialog's form, the lookup of the chosen entry, and a whole dialog whose backend answers
// with an arbitrary filter index and file name.

#include "FuzzSupport.h"

#include "filedialog/FileFilter.h"
#include "filedialog/ScriptedBackend.h"
#include "filedialog/cFileDlg.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvane;
using fuzz::require;

std::string_view beforeFirstZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::size_t countZeros(std::string_view text)
{
    std::size_t zeros = 0;
    for (const char c : text)
        zeros += c == '\0' ? 1 : 0;
    return zeros;
}

void checkConversion(std::string_view filter, std::string_view converted)
{
    bool mapped =
        converted.size() == filter.size() + 2 && converted.ends_with(std::string_view("\0\0", 2));
    for (std::size_t i = 0; mapped && i < filter.size(); ++i)
        mapped = converted[i] == (filter[i] == '|' || filter[i] == ':' ? '\0' : filter[i]);
    require(mapped, "every '|' and ':' becomes a zero, all else stays, two zeros end the list");
}

// Holds for any text handed over as a converted filter, converted or not.
std::vector<FilterPair> checkPairs(std::string_view converted)
{
    const std::vector<FilterPair> pairs = filterPairs(converted);
    std::string read;
    for (const FilterPair& pair : pairs) {
        require(!pair.description.empty(), "an entry has a description");
        require(pair.description.find('\0') == std::string::npos &&
                    pair.pattern.find('\0') == std::string::npos,
                "descriptions and patterns hold no zeros");
        read.append(pair.description).append(1, '\0').append(pair.pattern).append(1, '\0');
    }
    require(converted.starts_with(read), "the entries are the start of the text, in order");
    const std::string_view rest = converted.substr(read.size());
    require(rest.empty() || rest.front() == '\0' || countZeros(rest) < 2,
            "the entries stop only at the end, an empty description or a missing zero");
    return pairs;
}

void checkLookup(std::string_view converted, const std::vector<FilterPair>& pairs,
                 std::int32_t index)
{
    const std::string entry = lookupFilter(converted, index);
    if (index < 1 || static_cast<std::size_t>(index) > pairs.size()) {
        require(entry.empty(), "an index naming no entry finds nothing");
        return;
    }
    const FilterPair& pair = pairs[static_cast<std::size_t>(index) - 1];
    require(entry == pair.description + '\0' + pair.pattern, "an index finds its entry");
    require(converted.find(entry) != std::string_view::npos, "an entry is part of the filter text");
}

// One dialog, which the backend confirms with an arbitrary file name and filter index or cancels.
void checkDialog(FuzzedDataProvider& provider, const std::string& filter, std::int32_t startIndex)
{
    const bool save = provider.ConsumeBool();
    const bool confirm = provider.ConsumeBool();
    DialogChoice answer;
    answer.filterIndex = provider.ConsumeIntegral<std::int32_t>();
    answer.flags = provider.ConsumeIntegral<std::int32_t>();
    answer.fileName = provider.ConsumeRandomLengthString(2 * kFileBufferSize);
    answer.fileTitle = cFileDlg::VBGetFileTitle(beforeFirstZero(answer.fileName));

    ScriptedBackend backend;
    if (confirm)
        backend.answers.push_back(answer);
    cFileDlg dialog(backend);
    dialog.setFilter(filter);
    dialog.setFilterIndex(startIndex);
    std::string fileName;
    std::string fileTitle;
    const bool confirmed = save ? dialog.VBGetSaveFileName(fileName, &fileTitle)
                                : dialog.VBGetOpenFileName(fileName, &fileTitle);

    require(backend.records.size() == 1, "the backend runs one dialog");
    const std::string converted = convertFilter(filter);
    require(backend.records[0].filter == converted && backend.records[0].filterIndex == startIndex,
            "the dialog gets the converted filter and the index as set");

    const bool fits = answer.fileName.size() + 2 <= kFileBufferSize &&
                      answer.fileTitle.size() + 2 <= kFileTitleBufferSize;
    const bool overflows = answer.fileName.size() >= kFileBufferSize ||
                           answer.fileTitle.size() >= kFileTitleBufferSize;
    require(
        confirmed ? confirm && !overflows : !confirm || !fits,
        "a dialog succeeds when confirmed with an answer that fits the buffers, never otherwise");
    if (!confirmed) {
        require(fileName == std::string(1, '\0') && fileTitle == std::string(1, '\0') &&
                    dialog.Filter() == std::string(1, '\0') &&
                    dialog.FilterIndex() == (save ? 0 : -1),
                "a cancelled dialog leaves the cancelled values");
        return;
    }
    require(fileName == beforeFirstZero(answer.fileName) && fileTitle == answer.fileTitle,
            "a confirmed dialog hands over the chosen name up to its first zero");
    require(dialog.FilterIndex() == answer.filterIndex, "the index chosen in the dialog is kept");
    require(dialog.Filter() == lookupFilter(converted, answer.filterIndex),
            "the filter becomes the entry chosen in the dialog");
    require(dialog.Filter().empty() || converted.find(dialog.Filter()) != std::string::npos,
            "the chosen filter is part of the filter text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::int32_t index = provider.ConsumeIntegral<std::int32_t>();
    const std::string filter = provider.ConsumeRandomLengthString(4096);

    const std::string converted = convertFilter(filter);
    checkConversion(filter, converted);
    const std::vector<FilterPair> pairs = checkPairs(converted);
    const auto count = static_cast<std::int32_t>(pairs.size());
    for (const std::int32_t probe :
         {index, 0, 1, count, count + 1, -1, std::numeric_limits<std::int32_t>::min(),
          std::numeric_limits<std::int32_t>::max()})
        checkLookup(converted, pairs, probe);
    // The text unconverted stands for a filter list that arrives with zeros already in it.
    checkPairs(filter);

    checkDialog(provider, filter, index);
    return 0;
}
