#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLineTest, StartupFileFromArguments)
{
    const std::pair<Arguments, std::string> rows[] = {
        {{}, ""},
        {{"x"}, ""}, // one character names no file
        {{"\""}, ""},
        {{"ab"}, "ab"},
        // A path with blanks may arrive split; the pieces are joined by single blanks.
        {{"/home/me/My", "Schemes/sea", "blue.vrx"}, "/home/me/My Schemes/sea blue.vrx"},
        // Surrounding quotes are removed, also when they were split apart with the path.
        {{"\"/home/me/sea blue.vrx\""}, "/home/me/sea blue.vrx"},
        {{"\"/home/me/sea", "blue.vrx\""}, "/home/me/sea blue.vrx"},
        {{"\"\""}, ""},
        // A quote on one side only is part of the name.
        {{"\"/home/me/a.vrx"}, "\"/home/me/a.vrx"},
        {{"a.vrx\""}, "a.vrx\""},
    };
    for (const auto& [arguments, file] : rows)
        EXPECT_EQ(startupFileFromArguments(arguments), file) << testing::PrintToString(arguments);
}

// The option is removed wherever and however often it stands before the file is read; a path
// that merely contains it stays a path.
TEST(CommandLineTest, TakeOptionRemovesTheOptionBeforeTheFileIsRead)
{
    const std::string option = "--report-first-paint";
    const std::tuple<Arguments, bool, std::string> rows[] = {
        {{option, "/home/me/sea", "blue.vrx"}, true, "/home/me/sea blue.vrx"},
        {{"a.vrx", option, option}, true, "a.vrx"},
        {{option}, true, ""},
        {{"/tmp/" + option + ".vrx"}, false, "/tmp/" + option + ".vrx"},
        {{}, false, ""},
    };
    for (auto [arguments, found, file] : rows) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(takeOption(arguments, option), found);
        EXPECT_EQ(startupFileFromArguments(arguments), file);
    }
}

} // namespace
} // namespace orvane
