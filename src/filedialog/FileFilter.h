// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One entry of a filter list: what the user reads and the patterns it stands for.
struct FilterPair {
    std::string description;
    std::string pattern;
    friend bool operator==(const FilterPair&, const FilterPair&) = default;
};

// Turns "Text (*.txt)|*.txt|All|*.*" into the form a dialog reads: every '|' and ':' becomes
// '\0' and two more '\0' end the list.
std::string convertFilter(std::string_view filter);

// The entries of a converted filter in order. The list ends at an empty description, as a
// dialog reads it, or where a description or pattern lacks its terminating '\0'.
std::vector<FilterPair> filterPairs(std::string_view converted);

// The index-th entry (1-based) as description, '\0', pattern; empty for an index that names no
// entry.
std::string lookupFilter(std::string_view converted, std::int32_t index);

} // namespace orvane
