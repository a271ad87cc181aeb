#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(CommandLineTest, StartupFileFromArguments)
{
    struct Row {
        std::vector<std::string> arguments;
        std::string file;
    };
    const Row rows[] = {
        {{}, ""},
        {{"x"}, ""}, // one character names no file
        {{"\""}, ""},
        {{"ab"}, "ab"},
        {{"/home/me/blue.vrx"}, "/home/me/blue.vrx"},
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
    for (const Row& row : rows) {
        std::string shown;
        for (const std::string& argument : row.arguments)
            shown += "[" + argument + "]";
        EXPECT_EQ(startupFileFromArguments(row.arguments), row.file) << shown;
    }
}

TEST(CommandLineTest, TakeOptionRemovesTheOptionBeforeTheFileIsRead)
{
    std::vector<std::string> arguments = {"--report-first-paint", "/home/me/sea", "blue.vrx"};
    EXPECT_TRUE(takeOption(arguments, "--report-first-paint"));
    EXPECT_EQ(arguments, (std::vector<std::string>{"/home/me/sea", "blue.vrx"}));
    EXPECT_EQ(startupFileFromArguments(arguments), "/home/me/sea blue.vrx");

    // Anywhere on the line, and every time it is given.
    arguments = {"a.vrx", "--report-first-paint", "--report-first-paint"};
    EXPECT_TRUE(takeOption(arguments, "--report-first-paint"));
    EXPECT_EQ(startupFileFromArguments(arguments), "a.vrx");

    // Alone, it leaves no file to open.
    arguments = {"--report-first-paint"};
    EXPECT_TRUE(takeOption(arguments, "--report-first-paint"));
    EXPECT_EQ(startupFileFromArguments(arguments), "");

    // Only the whole argument counts: a path that merely contains it stays a path.
    arguments = {"/tmp/--report-first-paint.vrx"};
    EXPECT_FALSE(takeOption(arguments, "--report-first-paint"));
    EXPECT_EQ(arguments, (std::vector<std::string>{"/tmp/--report-first-paint.vrx"}));
    arguments = {};
    EXPECT_FALSE(takeOption(arguments, "--report-first-paint"));
}

} // namespace
} // namespace orvane
