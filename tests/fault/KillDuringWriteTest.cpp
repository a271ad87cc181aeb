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

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace orvane::fault {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int kRunsPerCase = 100;
// On a local disk a save takes well under a millisecond, so within this time after the first
// save several more complete and the kill lands at any step of one of them.
constexpr int kLongestDelayMicroseconds = 3000;

std::string text(const SettingsRecord& record)
{
    return {record.begin(), record.end()};
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The offset where content first departs from expected, for the failure message.
std::size_t firstDifference(const std::string& content, const std::string& expected)
{
    return static_cast<std::size_t>(
        std::mismatch(content.begin(), content.end(), expected.begin(), expected.end()).first -
        content.begin());
}

bool isTemporary(const fs::path& path)
{
    const std::string name = path.filename().string();
    return name.starts_with(".orvane-") && name.ends_with(".tmp");
}

// The writer started with its standard output on a pipe.
struct Writer {
    pid_t pid = -1;
    int output = -1;
};

Writer startWriter(std::vector<std::string> arguments)
{
    Writer writer;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return writer;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    // The copy dup2 makes is not closed on exec, so only the write end reaches the writer.
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    std::string program = ORVANE_FAULT_WRITER;
    std::vector<char*> argv{program.data()};
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int error =
        ::posix_spawn(&writer.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (error != 0) {
        ::close(ends[0]);
        writer.pid = -1;
        return writer;
    }
    writer.output = ends[0];
    return writer;
}

// Reads up to count bytes; fewer only at the end of the pipe.
long readLetters(int fd, long count)
{
    long read = 0;
    char buffer[4096];
    while (read < count) {
        const auto wanted = static_cast<std::size_t>(std::min<long>(count - read, sizeof buffer));
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        read += got;
    }
    return read;
}

std::uint64_t chooseSeed()
{
    if (const char* given = std::getenv("ORVANE_FAULT_SEED"))
        return std::strtoull(given, nullptr, 10);
    return std::random_device{}();
}

class KillDuringWriteTest : public testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("orvane-fault-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(dir_);
        seed_ = chooseSeed();
        random_.seed(seed_);
        std::cout << "[ seed     ] " << seed_ << " (ORVANE_FAULT_SEED=" << seed_
                  << " picks the same kill moments)\n";
        RecordProperty("seed", std::to_string(seed_));
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(dir_, error);
    }

    // Starts the writer kRunsPerCase times and kills it at a random moment after its first
    // completed save; after each kill the file must hold record A or B followed by tail.
    void killDuringSaves(const std::vector<std::string>& arguments, const fs::path& file,
                         const std::string& tail)
    {
        const std::string heldA = text(faultRecord(Which::A)) + tail;
        const std::string heldB = text(faultRecord(Which::B)) + tail;
        std::uniform_int_distribution<int> delay(0, kLongestDelayMicroseconds);
        int endedA = 0;
        int endedB = 0;
        long saves = 0;
        for (int run = 1; run <= kRunsPerCase; ++run) {
            const Writer writer = startWriter(arguments);
            ASSERT_GT(writer.pid, 0) << "the writer " << ORVANE_FAULT_WRITER << " did not start";
            // The first letter shows the writer is in its loop, so the kill lands among saves
            // rather than in its start-up.
            const bool saving = readLetters(writer.output, 1) == 1;
            if (saving)
                std::this_thread::sleep_for(std::chrono::microseconds(delay(random_)));
            ::kill(writer.pid, SIGKILL);
            saves +=
                (saving ? 1 : 0) + readLetters(writer.output, std::numeric_limits<long>::max());
            ::close(writer.output);
            int status = 0;
            ASSERT_EQ(::waitpid(writer.pid, &status, 0), writer.pid);
            ASSERT_TRUE(saving && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                << "run " << run << ": the writer stopped by itself (wait status " << status
                << ") instead of being killed while saving";

            const std::string content = readFile(file);
            if (content == heldA) {
                ++endedA;
            } else if (content == heldB) {
                ++endedB;
            } else {
                FAIL() << "run " << run << " (seed " << seed_ << "): " << file << " holds "
                       << content.size() << " bytes that are neither whole record: they depart "
                       << "from A at offset " << firstDifference(content, heldA)
                       << " and from B at offset " << firstDifference(content, heldB);
            }
        }

        // A kill between creating the temporary and renaming it leaves the temporary behind;
        // that is allowed, anything else in the folder is not.
        int temporaries = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_)) {
            if (isTemporary(entry.path()))
                ++temporaries;
            else
                EXPECT_EQ(entry.path(), file) << "a stray entry beside the file";
        }
        std::cout << "[ outcome  ] " << kRunsPerCase << " kills: " << endedA << " left record A, "
                  << endedB << " left record B; " << saves << " saves completed; " << temporaries
                  << " temporaries left\n";
        RecordProperty("temporaries_left", temporaries);
    }

    fs::path dir_;
    std::uint64_t seed_ = 0;
    std::mt19937_64 random_;
};

// Bytes past the record, as a longer file written by another version carries them.
const std::string kTail = "fields a later version keeps past the record\n\0\xFF"s;

TEST_F(KillDuringWriteTest, SettingsFileHoldsOneWholeRecord)
{
    killDuringSaves({"settings", dir_.string()}, dir_ / "myset.cfg", "");
}

TEST_F(KillDuringWriteTest, SettingsFileKeepsItsBytesPastTheRecord)
{
    std::ofstream(dir_ / "myset.cfg", std::ios::binary) << text(faultRecord(Which::A)) + kTail;
    killDuringSaves({"settings", dir_.string()}, dir_ / "myset.cfg", kTail);
}

TEST_F(KillDuringWriteTest, SchemeFileHoldsOneWholeRecord)
{
    killDuringSaves({"scheme", (dir_ / "blue.vrx").string()}, dir_ / "blue.vrx", "");
}

TEST_F(KillDuringWriteTest, SchemeFileKeepsItsBytesPastTheRecord)
{
    std::ofstream(dir_ / "blue.vrx", std::ios::binary) << text(faultRecord(Which::B)) + kTail;
    killDuringSaves({"scheme", (dir_ / "blue.vrx").string()}, dir_ / "blue.vrx", kTail);
}

} // namespace
} // namespace orvane::fault
