#include "filedialog/FileFilter.h"
#include "filedialog/SelectionText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(FileFilterTest, ConversionTurnsSeparatorsIntoZerosAndEndsTheList)
{
    EXPECT_EQ(convertFilter("Orvane File (*.vrx)|*.vrx"), "Orvane File (*.vrx)\0*.vrx\0\0"s);
    EXPECT_EQ(convertFilter("C:\\x|*.x"), "C\0\\x\0*.x\0\0"s);
    EXPECT_EQ(convertFilter(""), "\0\0"s);
    EXPECT_EQ(convertFilter("||"), "\0\0\0\0"s);
}

TEST(FileFilterTest, PairsEndAtAnEmptyDescriptionOrAMissingZero)
{
    EXPECT_EQ(filterPairs(convertFilter("Text|*.txt|All|*.*")),
              (std::vector<FilterPair>{{"Text", "*.txt"}, {"All", "*.*"}}));
    // A description without its pattern still makes an entry; the list's own zero ends it.
    EXPECT_EQ(filterPairs(convertFilter("Text|*.txt|Odd")),
              (std::vector<FilterPair>{{"Text", "*.txt"}, {"Odd", ""}}));
    EXPECT_EQ(filterPairs(convertFilter("Text|*.txt||All|*.*")),
              (std::vector<FilterPair>{{"Text", "*.txt"}}));
    EXPECT_TRUE(filterPairs("").empty());
    EXPECT_TRUE(filterPairs("\0"s).empty());
    EXPECT_TRUE(filterPairs("Text").empty());
    EXPECT_TRUE(filterPairs("Text\0*.txt"s).empty());
}

TEST(FileFilterTest, LookupGivesTheChosenEntryOrNothing)
{
    const std::string twoFilters = convertFilter("Text (*.txt)|*.txt|Pages|*.html;*.htm");
    EXPECT_EQ(lookupFilter(twoFilters, 1), "Text (*.txt)\0*.txt"s);
    EXPECT_EQ(lookupFilter(twoFilters, 2), "Pages\0*.html;*.htm"s);
    for (const std::int32_t outside : {0, -1, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(lookupFilter(twoFilters, outside), "");
    }
    // Texts that are not a finished list give nothing for any index.
    for (const std::string& text : {""s, "\0"s, "Text"s, "Text\0*.txt"s}) {
        for (const std::int32_t index : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << text.size() << " characters, index " << index);
            EXPECT_EQ(lookupFilter(text, index), "");
        }
    }
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
