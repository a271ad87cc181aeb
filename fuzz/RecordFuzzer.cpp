// Feeds arbitrary bytes to the settings and scheme record reader, in memory and from a file.

#include "FuzzSupport.h"

#include "core/AppState.h"
#include "core/SettingsRecord.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
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
    const std::optional<std::vector<std::uint8_t>> bytes = readRecordFile(file.path());
    require(bytes.has_value(), "a readable file gives its bytes");
    require(std::equal(bytes->begin(), bytes->end(), input.begin(),
                       input.begin() + static_cast<std::ptrdiff_t>(std::min(size, kRecordSize))),
            "the file reader returns the record's part of the file");
    AppState loaded = start;
    require(LoadSettings(file.path(), loaded), "a readable file loads");
    require(encodeRecord(loaded) == record && sameOutsideRecord(loaded, start),
            "loading a file equals reading its bytes");
    return 0;
}
