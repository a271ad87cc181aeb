#include "core/TipsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Tips = std::vector<std::string>;

TEST(TipsFileTest, EveryKindOfLineEndEndsALineButATrailingEndAddsNone)
{
    const std::pair<std::string, Tips> cases[] = {
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"A\n\rB", {"A", "", "B"}}, // a line feed belongs to the carriage return before it only
        {"A\r\n\r\n", {"A", ""}},
        {"\r\r\n\n", {"", "", ""}},
        {"", {}},
    };
    for (const auto& [text, tips] : cases)
        EXPECT_EQ(parseTips(text), tips) << testing::PrintToString(text);

    // Lines joined with randomly chosen ends come back exactly; the generator is the reference.
    std::mt19937 random(20240611);
    const char* const ends[] = {"\r\n", "\r", "\n"};
    Tips lines;
    std::string text;
    for (int i = 0, end = 0; i < 200000; ++i) {
        std::string line(random() % 12, static_cast<char>(14 + random() % 242)); // no \r or \n
        // "\r" then an empty line ended by "\n" would read as one "\r\n".
        end = end == 1 && line.empty() ? 0 : static_cast<int>(random() % 3);
        text += line + ends[end];
        lines.push_back(std::move(line));
    }
    lines.push_back("no end");
    EXPECT_EQ(parseTips(text + "no end"), lines);
}

// One very long line, then many short ones: neither may cost more than a pass over the text.
TEST(TipsFileTest, ReadsTheFileAsWrittenAndNothingFromWhatIsNoFile)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-tips-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder.txt");
    std::ofstream big(dir / "big.txt", std::ios::binary);
    big << std::string(3 << 20, 'x') << "\r\n";
    for (int i = 0; i < 300000; ++i)
        big << "tip " << i << "\n";
    big.close();
    const Tips tips = readTipsFile(dir / "big.txt");
    ASSERT_EQ(tips.size(), 300001u);
    EXPECT_EQ(tips.front(), std::string(3 << 20, 'x'));
    EXPECT_EQ(tips.back(), "tip 299999");
    for (const fs::path& path : {dir / "absent.txt", dir / "folder.txt", fs::path()})
        EXPECT_TRUE(readTipsFile(path).empty()) << path;
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane
