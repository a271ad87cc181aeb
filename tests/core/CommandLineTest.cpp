#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane
{
namespace
{

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

} // namespace
} // namespace orvane
