// SPDX-License-Identifier: MIT
#include "core/TemporaryName.h"

#include <random>

namespace orvane {

std::string withTemporaryName(const std::function<NameAttempt(const std::string&)>& attempt)
{
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kDigits - 2);
    for (int tries = 0; tries < 100; ++tries) {
        std::string name = ".orvane-";
        for (int i = 0; i < 10; ++i)
            name += kDigits[pick(random)];
        name += ".tmp";
        const NameAttempt result = attempt(name);
        if (result == NameAttempt::Done)
            return name;
        if (result == NameAttempt::Failed)
            break;
    }
    return {};
}

} // namespace orvane
