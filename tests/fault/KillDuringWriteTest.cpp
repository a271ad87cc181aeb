// Kills a process with SIGKILL, many times, in the middle of saving myset.cfg or a scheme file,
// and checks that the file always holds one whole record afterwards: the one before the
// interrupted save or the one it was writing, never a mixture, and never without the bytes an
// existing longer file carried past the record.
//
// The writer (SettingsWriter.cpp) saves through the same SettingsStore and SaveSettings that the
// program uses when it exits and on File > Save Scheme, so a program killed while exiting or
// saving a scheme goes down the same path as the writer does here.

#include "FaultRecords.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane::fault {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int kRunsPerCase = 100;
// On a local disk a save takes well under a millisecond, so within this time after the first
// save several more complete and the kill lands at any step of one of them.
constexpr int kLongestDelayMicroseconds = 3000;

std::string text(Which which)
{
    const SettingsRecord record = faultRecord(which);
    return {record.begin(), record.end()};
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts the writer with its standard output on the returned pipe end.
pid_t startWriter(const char* mode, const std::string& target, int& output)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(ends[1], STDOUT_FILENO);
        ::execl(ORVANE_FAULT_WRITER, ORVANE_FAULT_WRITER, mode, target.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(ends[1]);
    output = ends[0];
    return pid;
}

// Bytes past the record, as a longer file written by another version carries them.
const std::string kTail = "fields a later version keeps past the record\n\0\xFF"s;

TEST(KillDuringWriteTest, FileAlwaysHoldsOneWholeRecordAndKeepsItsTail)
{
    const char* given = std::getenv("ORVANE_FAULT_SEED");
    const std::uint64_t seed = given ? std::strtoull(given, nullptr, 10) : std::random_device{}();
    std::cout << "[ seed     ] " << seed << " (ORVANE_FAULT_SEED picks the same kill moments)\n";
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> delay(0, kLongestDelayMicroseconds);

    const fs::path dir = fs::temp_directory_path() / ("orvane-fault-" + std::to_string(::getpid()));
    for (const char* mode : {"settings", "scheme"}) {
        for (const std::string& tail : {""s, kTail}) {
            SCOPED_TRACE(testing::Message() << mode << (tail.empty() ? "" : " with a tail"));
            fs::remove_all(dir);
            fs::create_directories(dir);
            const fs::path file = dir / (mode == "settings"s ? "myset.cfg" : "blue.vrx");
            if (!tail.empty())
                std::ofstream(file, std::ios::binary) << text(Which::B) + tail;
            const std::string target = mode == "settings"s ? dir.string() : file.string();
            for (int run = 1; run <= kRunsPerCase; ++run) {
                int output = -1;
                const pid_t pid = startWriter(mode, target, output);
                ASSERT_GT(pid, 0) << "the writer " << ORVANE_FAULT_WRITER << " did not start";
                // The first letter shows the writer is in its loop, so the kill lands among
                // saves rather than in its start-up.
                char letter = 0;
                const bool saving = ::read(output, &letter, 1) == 1;
                if (saving)
                    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
                ::kill(pid, SIGKILL);
                ::close(output);
                int status = 0;
                ASSERT_EQ(::waitpid(pid, &status, 0), pid);
                ASSERT_TRUE(saving && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                    << "run " << run << ": the writer stopped by itself (wait status " << status
                    << ") instead of being killed while saving";
                const std::string content = readFile(file);
                ASSERT_TRUE(content == text(Which::A) + tail || content == text(Which::B) + tail)
                    << "run " << run << " (seed " << seed << "): " << content.size()
                    << " bytes that are neither whole record";
            }
            // A kill between creating the temporary and renaming it may leave the temporary
            // behind; anything else beside the file is a stray.
            for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
                const std::string name = entry.path().filename().string();
                EXPECT_TRUE(entry.path() == file ||
                            (name.starts_with(".orvane-") && name.ends_with(".tmp")))
                    << name;
            }
        }
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane::fault
