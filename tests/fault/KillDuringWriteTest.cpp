// Kills a writer with SIGKILL, many times, in the middle of saving myset.cfg or a scheme file,
// and checks that the file always holds one whole record afterwards: the one before the
// interrupted save or the one it was writing, never a mixture, and never without the bytes an
// existing longer file carried past the record. The writer is a child of this test saving through
// the SettingsStore and SaveSettings the program uses at exit and on File > Save Scheme.

#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Two records that differ in every byte, so a file holding any mixture of them matches neither.
SettingsRecord faultRecord(int which)
{
    SettingsRecord bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 37 + 11) ^ (which == 0 ? 0 : 0xFF));
    return bytes;
}

std::string text(int which)
{
    const SettingsRecord record = faultRecord(which);
    return {record.begin(), record.end()};
}

// Saves the two records in turn until killed, telling the parent of each completed save. The
// program folder is writable, so a save that lands in the fallback folder is a failed one.
[[noreturn]] void saveForever(bool settings, const fs::path& target, int report)
{
    AppState states[2];
    for (int which : {0, 1}) {
        SetDefaults(states[which]);
        decodeRecord(faultRecord(which), states[which]);
    }
    const SettingsStore store(target, target / "fallback");
    for (int next = 0;; next = 1 - next) {
        const bool saved = settings ? store.save(states[next]) == store.programFile()
                                    : SaveSettings(target, states[next]);
        if (!saved || ::write(report, "s", 1) != 1)
            ::_exit(1);
    }
}

TEST(KillDuringWriteTest, FileAlwaysHoldsOneWholeRecordAndKeepsItsTail)
{
    // A save takes well under a millisecond, so within this time after the first save several
    // more complete and the kill lands at any step of one of them.
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    std::mt19937 random(std::random_device{}());
    const fs::path dir = fs::temp_directory_path() / ("orvane-fault-" + std::to_string(::getpid()));
    // Bytes past the record, as a longer file written by another version carries them.
    for (const std::string& tail : {""s, "fields a later version keeps\n\0\xFF"s}) {
        for (const bool settings : {true, false}) {
            SCOPED_TRACE(testing::Message() << settings << " " << tail.size());
            fs::remove_all(dir);
            fs::create_directories(dir);
            const fs::path file = dir / (settings ? "myset.cfg" : "blue.vrx");
            if (!tail.empty())
                std::ofstream(file, std::ios::binary) << text(1) + tail;
            for (int run = 1; run <= 100; ++run) {
                int ends[2];
                ASSERT_EQ(::pipe(ends), 0);
                const pid_t pid = ::fork();
                if (pid == 0)
                    saveForever(settings, settings ? dir : file, ends[1]);
                ::close(ends[1]);
                char report = 0;
                const bool saving = ::read(ends[0], &report, 1) == 1;
                std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
                ::kill(pid, SIGKILL);
                ::close(ends[0]);
                int status = 0;
                ASSERT_EQ(::waitpid(pid, &status, 0), pid);
                ASSERT_TRUE(saving && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                    << "run " << run << ": the writer stopped by itself, status " << status;
                std::ifstream in(file, std::ios::binary);
                const std::string content{std::istreambuf_iterator<char>(in), {}};
                ASSERT_TRUE(content == text(0) + tail || content == text(1) + tail)
                    << "run " << run << ": " << content.size() << " bytes, neither whole record";
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
} // namespace orvane
