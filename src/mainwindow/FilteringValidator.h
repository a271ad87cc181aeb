#pragma once

#include <QValidator>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// Keeps a box to the characters a filter lets through and to a maximum length, whether the text
// is typed, pasted or dropped: unwanted characters are dropped, an over-long result is refused.
class FilteringValidator : public QValidator {
public:
    using Filter = std::function<std::string(std::string_view)>;
    FilteringValidator(Filter filter, std::size_t maxLength, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    Filter filter_;
    std::size_t maxLength_;
};

} // namespace orvane
