// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace orvane {

// How one try at a fresh name went.
enum class NameAttempt { Done, Taken, Failed };

// Tries fresh names of the form .orvane-XXXXXXXXXX.tmp until attempt is done with one, or fails
// for a reason other than the name being taken; the name it was done with, else empty.
std::string withTemporaryName(const std::function<NameAttempt(const std::string&)>& attempt);

} // namespace orvane
