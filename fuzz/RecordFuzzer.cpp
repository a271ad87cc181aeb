// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the settings and scheme record reader, in memory and from a file, and
// saves a record over a file holding them.

#include "FuzzSupport.h"

#include "core/AppState.h"
#include "core/SettingsRecord.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

namespace {

using namespace orvane;
using fuzz::require;

// Where each field of the record ends, in file order: fourteen colours, eight window positions,
// four visibility flags, the scheme colour and the tips flag. Files written by every earlier
// version share this layout, so it is written out here rather than taken from the reader.
constexpr std::array<std::size_t, 28> kFieldEnds = [] {
    std::array<std::size_t, 28> ends{};
    std::size_t end = 0;
    std::size_t field = 0;
    const auto add = [&](std::size_t count, std::size_t size) {
        for (std::size_t i = 0; i < count; ++i)
            ends[field++] = end += size;
    };
    add(9 + 5, 4);
    add(8 + 4, 2);
    add(1, 4);
    add(1, 2);
    return ends;
}();
static_assert(kFieldEnds.back() == kRecordSize);

// How many leading bytes of the record an input of this length supplies: only whole fields count.
std::size_t suppliedBytes(std::size_t inputSize)
{
    std::size_t supplied = 0;
    for (const std::size_t end : kFieldEnds) {
        if (end <= inputSize)
            supplied = end;
    }
    return supplied;
}

// The state a file is read into: the start-up defaults, and values in the fields the record
// does not hold so that touching them shows.
AppState startState()
{
    AppState state;
    SetDefaults(state);
    state.UndoColors[7] = 0x123456;
    state.UndoPos = 7;
    state.HarmonyColors.fill(0x654321);
    state.PickedColor = 0x0A0B0C;
    state.PopupColor = 0x0C0B0A;
    state.StartupFile = "scheme.vrx";
    return state;
}

// Plain stream reading and writing, independent of the program's own file code.
void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    require(out.good(), "the scratch file can be written");
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool sameOutsideRecord(const AppState& a, const AppState& b)
{
    return a.UndoColors == b.UndoColors && a.UndoPos == b.UndoPos &&
           a.HarmonyColors == b.HarmonyColors && a.PickedColor == b.PickedColor &&
           a.PopupColor == b.PopupColor && a.AdjustStep == b.AdjustStep &&
           a.StartupFile == b.StartupFile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    static const AppState start = startState();
    static const SettingsRecord startRecord = encodeRecord(start);

    AppState state = start;
    decodeRecord(input, state);
    const SettingsRecord record = encodeRecord(state);

    const std::size_t supplied = suppliedBytes(size);
    require(std::equal(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(supplied),
                       input.begin()),
            "every field wholly inside the input is read from it, bytes past the record ignored");
    require(std::equal(record.begin() + static_cast<std::ptrdiff_t>(supplied), record.end(),
                       startRecord.begin() + static_cast<std::ptrdiff_t>(supplied)),
            "a field reaching past the end of the input keeps its value");
    require(sameOutsideRecord(state, start), "reading leaves the fields outside the record alone");

    AppState reread;
    decodeRecord(record, reread);
    require(encodeRecord(reread) == record, "a written record reads back to the same record");

    // The same bytes as a file, through the reader the program uses for myset.cfg and schemes.
    static fuzz::MemoryFile file;
    file.replace(input);
    const std::vector<std::uint8_t> recordPart(
        input.begin(), input.begin() + static_cast<std::ptrdiff_t>(std::min(size, kRecordSize)));
    require(readRecordFile(file.path()) == recordPart,
            "the file reader gives the record's part of the file");
    AppState loaded = start;
    require(LoadSettings(file.path(), loaded) && encodeRecord(loaded) == record &&
                sameOutsideRecord(loaded, start),
            "loading a file equals reading its bytes");

    // Saving over a file that holds the bytes: a record unlike theirs in every byte replaces
    // their record's part, and whatever lay past it is kept.
    static const fuzz::ScratchFolder folder;
    const std::filesystem::path saved = folder.path() / "scheme.vrx";
    writeBytes(saved, input);
    SettingsRecord flipped = record;
    for (std::uint8_t& byte : flipped)
        byte ^= 0xFF;
    AppState other = start;
    decodeRecord(flipped, other);
    require(SaveSettings(saved, other) == WriteResult::Written,
            "a save over a regular file succeeds");
    std::vector<std::uint8_t> expected(flipped.begin(), flipped.end());
    if (size > kRecordSize)
        expected.insert(expected.end(), input.begin() + static_cast<std::ptrdiff_t>(kRecordSize),
                        input.end());
    require(readBytes(saved) == expected,
            "a save writes its record and keeps the bytes past the old one");
    AppState reloaded = start;
    require(LoadSettings(saved, reloaded) && encodeRecord(reloaded) == flipped,
            "a saved file loads as the state it was saved from");
    return 0;
}
