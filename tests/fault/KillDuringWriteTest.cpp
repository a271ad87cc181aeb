// SPDX-License-Identifier: MIT
// Kills a writer with SIGKILL, many times, in the middle of saving a settings or scheme file,
// and checks that the file then holds one whole record, the old or the new, never a mixture, and
// keeps the bytes an existing longer file carried past the record. The writer is a forked child
// saving through SaveSettings, which both myset.cfg and scheme files go through.

#include "core/SettingsRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Two records that differ in every byte, so a file holding any mixture of them matches neither.
std::string faultRecord(int which)
{
    std::string bytes(kRecordSize, '\0');
    for (std::size_t i = 0; i < kRecordSize; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) ^ (which == 0 ? 0 : 0xFF));
    return bytes;
}

// Saves the two records in turn until killed, telling the parent of each completed save.
[[noreturn]] void saveForever(const fs::path& target, int report)
{
    AppState states[2];
    for (int which : {0, 1}) {
        SettingsRecord record;
        std::ranges::copy(faultRecord(which), record.begin());
        SetDefaults(states[which]);
        decodeRecord(record, states[which]);
    }
    for (int next = 0;; next = 1 - next) {
        if (SaveSettings(target, states[next]) != WriteResult::Written ||
            ::write(report, "s", 1) != 1)
            ::_exit(1);
    }
}

TEST(KillDuringWriteTest, FileAlwaysHoldsOneWholeRecordAndKeepsItsTail)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-fault-" + std::to_string(::getpid()));
    // Bytes past the record, as a longer file written by another version carries them.
    for (const std::string& tail : {""s, "fields a later version keeps\n\0\xFF"s}) {
        SCOPED_TRACE(tail.size());
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path file = dir / "blue.vrx";
        if (!tail.empty())
            std::ofstream(file, std::ios::binary) << faultRecord(1) + tail;
        std::set<fs::path> strays;
        for (int run = 1; run <= 100; ++run) {
            int ends[2];
            ASSERT_EQ(::pipe(ends), 0);
            const pid_t pid = ::fork();
            if (pid == 0)
                saveForever(file, ends[1]);
            ::close(ends[1]);
            char report = 0;
            const bool saving = ::read(ends[0], &report, 1) == 1;
            // A save takes well under a millisecond, so kills spread over three milliseconds
            // land at every step of some save.
            ::usleep(run * 29 % 3000);
            ::kill(pid, SIGKILL);
            ::close(ends[0]);
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            ASSERT_TRUE(saving && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                << "run " << run << ": the writer stopped by itself, status " << status;
            std::ifstream in(file, std::ios::binary);
            const std::string content{std::istreambuf_iterator<char>(in), {}};
            ASSERT_TRUE(content == faultRecord(0) + tail || content == faultRecord(1) + tail)
                << "run " << run << ": " << content.size() << " bytes, neither whole record";
            // A killed save may leave its one temporary behind, a finished one none, and no
            // save removes a file it did not make, such as an earlier run's leftover.
            std::set<fs::path> found;
            for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
                if (entry.path() != file)
                    found.insert(entry.path());
                EXPECT_TRUE(entry.path() == file || entry.path().extension() == ".tmp") << entry;
            }
            ASSERT_TRUE(std::ranges::includes(found, strays) && found.size() <= strays.size() + 1)
                << "run " << run << ": " << strays.size() << " leftovers became " << found.size();
            strays = std::move(found);
        }
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane
