// SPDX-License-Identifier: MIT
#include "core/SettingsRecord.h"

#include "core/RegularFile.h"

#include <exception>
#include <string_view>
#include <vector>

namespace orvane {

namespace {

// Visits every field of the record in file order with its byte offset.
template <typename Visitor> void forEachField(AppState& state, Visitor&& visit)
{
    std::size_t offset = 0;
    auto field = [&](auto& value) {
        visit(offset, value);
        offset += sizeof value;
    };
    for (ColorValue& color : state.WebColors)
        field(color);
    for (ColorValue& color : state.FavColors)
        field(color);
    field(state.WebLeft);
    field(state.WebTop);
    field(state.HarmoniesLeft);
    field(state.HarmoniesTop);
    field(state.FavoritesLeft);
    field(state.FavoritesTop);
    field(state.HistoryLeft);
    field(state.HistoryTop);
    for (Flag16& visible : state.ToolVisible)
        field(visible);
    field(state.SchemeColor);
    field(state.ShowTipsAtStart);
}

template <typename Int> void putLittleEndian(SettingsRecord& record, std::size_t offset, Int value)
{
    using Unsigned = std::make_unsigned_t<Int>;
    auto bits = static_cast<Unsigned>(value);
    for (std::size_t i = 0; i < sizeof(Int); ++i) {
        record[offset + i] = static_cast<std::uint8_t>(bits & 0xFFu);
        bits = static_cast<Unsigned>(bits >> 8);
    }
}

template <typename Int> Int getLittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    using Unsigned = std::make_unsigned_t<Int>;
    Unsigned bits = 0;
    for (std::size_t i = sizeof(Int); i-- > 0;)
        bits = static_cast<Unsigned>((bits << 8) | bytes[offset + i]);
    return static_cast<Int>(bits);
}

} // namespace

SettingsRecord encodeRecord(const AppState& state)
{
    SettingsRecord record{};
    AppState copy = state;
    forEachField(copy,
                 [&](std::size_t offset, auto& value) { putLittleEndian(record, offset, value); });
    return record;
}

void decodeRecord(std::span<const std::uint8_t> bytes, AppState& state)
{
    forEachField(state, [&](std::size_t offset, auto& value) {
        using Int = std::remove_reference_t<decltype(value)>;
        if (offset + sizeof(Int) <= bytes.size())
            value = getLittleEndian<Int>(bytes, offset);
    });
}

std::optional<std::vector<std::uint8_t>> readRecordFile(const std::filesystem::path& path)
{
    const std::optional<RegularFile> file = RegularFile::open(path);
    if (!file)
        return std::nullopt;
    return file->readUpTo(kRecordSize);
}

bool LoadSettings(const std::filesystem::path& path, AppState& state)
{
    const std::optional<std::vector<std::uint8_t>> bytes = readRecordFile(path);
    if (!bytes)
        return false;
    decodeRecord(*bytes, state);
    return true;
}

WriteResult SaveSettings(const std::filesystem::path& path, const AppState& state)
{
    try {
        const SettingsRecord record = encodeRecord(state);
        return writeFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(record.data()), record.size()),
            OldTail::Keep);
    } catch (const std::exception&) {
        return WriteResult::Failed; // out of memory copying the state
    }
}

} // namespace orvane
