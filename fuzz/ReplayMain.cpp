// SPDX-License-Identifier: MIT
// Runs a fuzz target's entry point once on each input in the files and folders named on the
// command line, as libFuzzer does when handed them. Built with any compiler into the tests, it
// checks the committed inputs under corpus/ without clang, and replays a saved crash for a
// debugger. A broken property aborts; finding no input at all fails too, as it checks nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsUnder(const fs::path& path)
{
    if (!fs::is_directory(path))
        return {path};
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void replay(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "Cannot read %s\n", path.c_str());
        std::exit(1);
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    // Exactly as long as the input, as libFuzzer hands it over, so that a sanitizer build
    // catches a read past its end.
    const auto data = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), data.get());
    std::printf("Replaying %s\n", path.c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(data.get(), bytes.size());
}

} // namespace

int main(int argc, char* argv[])
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : inputsUnder(argv[i])) {
            replay(input);
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "No inputs to replay\n");
        return 1;
    }
    std::printf("Replayed %zu inputs\n", replayed);
    return 0;
}
