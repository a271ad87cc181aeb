// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"
#include "core/AtomicFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// The persistent fields as one 86-byte little-endian record: the settings file and every
// scheme file share it, so its layout must never change.
inline constexpr std::size_t kRecordSize = 86;
using SettingsRecord = std::array<std::uint8_t, kRecordSize>;

SettingsRecord encodeRecord(const AppState& state);
// Reads the record's fields from bytes; a field that lies wholly or partly beyond the end keeps
// its previous value. Bytes past the record are ignored.
void decodeRecord(std::span<const std::uint8_t> bytes, AppState& state);

// The first kRecordSize bytes of a settings or scheme file; nothing when it is not a regular
// file or cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readRecordFile(const std::filesystem::path& path);
// Reads a settings or scheme file into the state. Returns false, leaving the state exactly as
// it was, when the file cannot be opened or read.
bool LoadSettings(const std::filesystem::path& path, AppState& state);
// Writes the record with writeFileAtomically, so a failed write never leaves a torn file. Bytes
// after the record in an existing longer file are kept. Unless Written, the old file is
// untouched.
WriteResult SaveSettings(const std::filesystem::path& path, const AppState& state);

} // namespace orvane
