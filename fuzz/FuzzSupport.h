// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>

namespace orvane::fuzz {

// Stops the run when a property is broken; the abort makes libFuzzer save the input that broke
// it and report a crash.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

// A file in memory that the readers can open by path. Each input replaces its content, so
// fuzzing a reader touches no disk and leaves nothing behind.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("orvane-fuzz", MFD_CLOEXEC))
    {
        require(fd_ >= 0, "a memory file can be created");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() { ::close(fd_); }

    void replace(std::span<const std::uint8_t> bytes)
    {
        require(::ftruncate(fd_, 0) == 0, "the memory file can be emptied");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written =
                ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            require(written > 0, "the memory file can be written");
            done += static_cast<std::size_t>(written);
        }
    }

    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

// A folder of its own for the files a target saves, on the memory file system where there is
// one, so that fuzzing a writer touches no disk either. It goes with all it holds when the run
// ends.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "orvane-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be created");
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace orvane::fuzz
