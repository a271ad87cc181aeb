#include "core/TipsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvane
{
namespace
{

namespace fs = std::filesystem;
using Tips = std::vector<std::string>;

TEST(TipsFileTest, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(parseTips("A\r\nB\r\nC\r\n"), (Tips{"A", "B", "C"}));
    EXPECT_EQ(parseTips("A\rB\rC"), (Tips{"A", "B", "C"}));
    EXPECT_EQ(parseTips("A\nB\nC\n"), (Tips{"A", "B", "C"}));
    EXPECT_EQ(parseTips("A\r\nB\rC\nD"), (Tips{"A", "B", "C", "D"}));
    // A line feed after a carriage return belongs to it; one before it does not.
    EXPECT_EQ(parseTips("A\n\rB"), (Tips{"A", "", "B"}));
}

TEST(TipsFileTest, EmptyLinesAreTipsButATrailingEndAddsNone)
{
    EXPECT_EQ(parseTips("A\r\n\r\nB"), (Tips{"A", "", "B"}));
    EXPECT_EQ(parseTips("A\r\n\r\n"), (Tips{"A", ""}));
    EXPECT_EQ(parseTips("\r\n"), (Tips{""}));
    EXPECT_EQ(parseTips("\r\r\n\n"), (Tips{"", "", ""}));
    EXPECT_EQ(parseTips("only line"), (Tips{"only line"}));
    EXPECT_TRUE(parseTips("").empty());
}

// Lines joined with randomly chosen ends must come back exactly; the generator is the reference.
TEST(TipsFileTest, ManyLinesWithMixedEndsComeBackInOrder)
{
    std::mt19937 random(20240611);
    const char* const ends[] = {"\r\n", "\r", "\n"};
    Tips lines;
    std::string text;
    bool lastEndedWithBareCr = false;
    for (int i = 0; i < 200000; ++i) {
        std::string line(random() % 12, static_cast<char>('a' + random() % 26));
        int end = static_cast<int>(random() % 3);
        // "\r" then an empty line ended by "\n" would read as one "\r\n".
        if (lastEndedWithBareCr && line.empty() && end == 2)
            end = 0;
        lastEndedWithBareCr = end == 1;
        text += line;
        text += ends[end];
        lines.push_back(std::move(line));
    }
    text += "no end";
    lines.push_back("no end");
    EXPECT_EQ(parseTips(text), lines);
}

TEST(TipsFileTest, ArbitraryBytesSplitWithoutLoss)
{
    std::mt19937 random(7);
    std::string bytes(1 << 20, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() % 256);
    const Tips tips = parseTips(bytes);

    std::size_t kept = 0;
    for (const std::string& tip : tips) {
        EXPECT_EQ(tip.find_first_of("\r\n"), std::string::npos);
        kept += tip.size();
    }
    const auto ends =
        std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(kept + static_cast<std::size_t>(ends), bytes.size());
    EXPECT_GT(tips.size(), 1000u);
}

class TipsFileReadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        folder_ = fs::temp_directory_path() /
                  ("orvane-tips-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder_;
};

TEST_F(TipsFileReadTest, ReadsTheFileAsWritten)
{
    EXPECT_EQ(readTipsFile(write("tips.txt", "First\r\n\r\nThird\r\n")),
              (Tips{"First", "", "Third"}));
    EXPECT_EQ(readTipsFile(write("lf.txt", "One\nTwo")), (Tips{"One", "Two"}));
}

TEST_F(TipsFileReadTest, MissingEmptyOrFolderGiveNoTips)
{
    EXPECT_TRUE(readTipsFile(folder_ / "absent.txt").empty());
    EXPECT_TRUE(readTipsFile(write("empty.txt", "")).empty());
    fs::create_directory(folder_ / "tips.txt.d");
    EXPECT_TRUE(readTipsFile(folder_ / "tips.txt.d").empty());
    EXPECT_TRUE(readTipsFile(fs::path()).empty());
}

TEST_F(TipsFileReadTest, ReadsAFileOfSeveralMegabytes)
{
    // One very long line, then many short ones: neither may cost more than a pass over the text.
    const std::string longLine(3 << 20, 'x');
    std::string text = longLine + "\r\n";
    for (int i = 0; i < 300000; ++i)
        text += "tip " + std::to_string(i) + "\r\n";
    const Tips tips = readTipsFile(write("big.txt", text));
    ASSERT_EQ(tips.size(), 300001u);
    EXPECT_EQ(tips.front(), longLine);
    EXPECT_EQ(tips[1], "tip 0");
    EXPECT_EQ(tips.back(), "tip 299999");
}

} // namespace
} // namespace orvane
