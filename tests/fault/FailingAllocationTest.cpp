// SPDX-License-Identifier: MIT
// Fails each allocation of a save in turn, both where the file system offers unnamed temporary
// files and where it does not. This program's operator new and openat stand in for the usual
// ones to do so.

#include "core/SettingsRecord.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <unistd.h>

namespace {

bool refuseUnnamedFiles = false;  // as a file system without O_TMPFILE does
long allocationsUntilFailure = 0; // when positive, the allocation counting it down fails
std::size_t bytesAllocated = 0;

} // namespace

extern "C" int openat(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    const mode_t mode = (flags & O_CREAT) || unnamed ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    if (unnamed && refuseUnnamedFiles) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return reinterpret_cast<decltype(openat)*>(::dlsym(RTLD_NEXT, "openat"))(folder, path, flags,
                                                                             mode);
}

void* operator new(std::size_t size)
{
    if (allocationsUntilFailure > 0 && --allocationsUntilFailure == 0)
        throw std::bad_alloc();
    bytesAllocated += size;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
// Out of line: inlined next to a new expression, the free looks mismatched to the compiler.
[[gnu::noinline]] void operator delete(void* memory) noexcept
{
    std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The save says it failed and leaves the old file and nothing else, unless it could do without
// that allocation and saved whole. The save that succeeds copies the old file's long tail in
// small pieces rather than reading it into memory.
TEST(FailingAllocationTest, FailsTheSaveCleanlyAndATailIsCopiedInPieces)
{
    const fs::path dir = fs::temp_directory_path() / ("orvane-alloc-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string tail((1 << 20) - kRecordSize, 't');
    std::ofstream(dir / "old.vrx") << std::string(kRecordSize, 'o') + tail;
    AppState state;
    state.StartupFile = std::string(100, 'p'); // copied with the state, so allocated
    const SettingsRecord record = encodeRecord(state);
    const std::string head(record.begin(), record.end());
    for (const bool unnamed : {true, false}) {
        refuseUnnamedFiles = !unnamed;
        for (const auto& [name, saved] : {std::pair("old.vrx", head + tail), {"new.vrx", head}}) {
            const fs::path path = dir / name;
            for (long failing = 1;; ++failing) {
                SCOPED_TRACE(name + " allocation "s + std::to_string(failing));
                const std::string before = read(path);
                allocationsUntilFailure = failing;
                bytesAllocated = 0;
                WriteResult result = WriteResult::Failed;
                EXPECT_NO_THROW(result = SaveSettings(path, state));
                const bool reached = allocationsUntilFailure == 0;
                const std::size_t allocated = bytesAllocated;
                allocationsUntilFailure = 0;
                EXPECT_EQ(read(path), result == WriteResult::Written ? saved : before);
                EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}),
                          fs::exists(dir / "new.vrx") ? 2 : 1);
                fs::remove(dir / "new.vrx");
                if (!reached) {
                    EXPECT_EQ(result, WriteResult::Written);
                    EXPECT_LT(allocated, 256u * 1024);
                    break;
                }
            }
        }
    }
    refuseUnnamedFiles = false;
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane
