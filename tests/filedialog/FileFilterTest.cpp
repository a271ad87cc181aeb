#include "filedialog/FileFilter.h"
#include "filedialog/SelectionText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;
using Pairs = std::vector<FilterPair>;

TEST(FileFilterTest, ConvertedListsAndTheirEntries)
{
    // Bars and colons become zeros and two more end the list.
    for (const auto& [text, converted] :
         {std::pair{"Orvane File (*.vrx)|*.vrx", "Orvane File (*.vrx)\0*.vrx\0\0"s},
          {"C:\\x|*.x", "C\0\\x\0*.x\0\0"s},
          {"", "\0\0"s},
          {"||", "\0\0\0\0"s}})
        EXPECT_EQ(convertFilter(text), converted) << text;
    // Entries end at an empty description or a missing zero; a description without its pattern
    // still makes an entry, ended by the list's own zero.
    const std::pair<std::string, Pairs> lists[] = {
        {convertFilter("Text|*.txt|All|*.*"), {{"Text", "*.txt"}, {"All", "*.*"}}},
        {convertFilter("Text|*.txt|Odd"), {{"Text", "*.txt"}, {"Odd", ""}}},
        {convertFilter("Text|*.txt||All|*.*"), {{"Text", "*.txt"}}},
        {"", {}},
        {"\0"s, {}},
        {"Text", {}},
        {"Text\0*.txt"s, {}},
    };
    for (const auto& [text, pairs] : lists)
        EXPECT_EQ(filterPairs(text), pairs) << testing::PrintToString(text);
}

TEST(FileFilterTest, LookupGivesTheChosenEntryOrNothing)
{
    const std::string two = convertFilter("Text (*.txt)|*.txt|Pages|*.html;*.htm");
    EXPECT_EQ(lookupFilter(two, 1), "Text (*.txt)\0*.txt"s);
    EXPECT_EQ(lookupFilter(two, 2), "Pages\0*.html;*.htm"s);
    for (const std::int32_t outside : {0, -1, 3, INT_MAX, INT_MIN})
        EXPECT_EQ(lookupFilter(two, outside), "") << outside;
    // Texts that are not a finished list give nothing for any index.
    for (const std::string& text : {""s, "\0"s, "Text"s, "Text\0*.txt"s})
        for (const std::int32_t index : {0, 1, 2})
            EXPECT_EQ(lookupFilter(text, index), "") << text.size() << " characters, " << index;
}

TEST(SelectionTextTest, OneFileIsItsPathSeveralAreTheFolderAndTheirNames)
{
    EXPECT_EQ(selectionText({"/home/ann/a.vrx"}), "/home/ann/a.vrx");
    EXPECT_EQ(selectionText({"/home/ann/a.vrx", "/home/ann/b c.vrx"}),
              "/home/ann\0a.vrx\0b c.vrx"s);
    EXPECT_EQ(selectionText({}), "");
}

} // namespace
} // namespace orvane
