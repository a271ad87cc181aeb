// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ValueEntryRules.h"

#include <QValidator>
#include <cstddef>
#include <optional>
#include <string_view>

namespace orvane {

// Holds a box to its rule whether the text is typed, pasted or dropped: unwanted characters are
// dropped, an edit that would leave too many is refused.
class FilteringValidator : public QValidator {
public:
    using Rule = std::optional<BoxEdit> (*)(std::string_view edited, std::size_t cursor);
    explicit FilteringValidator(Rule rule, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    Rule rule_;
};

} // namespace orvane
