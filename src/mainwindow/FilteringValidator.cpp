#include "mainwindow/FilteringValidator.h"

namespace orvane {

FilteringValidator::FilteringValidator(Filter filter, std::size_t maxLength, QObject* parent)
    : QValidator(parent), filter_(std::move(filter)), maxLength_(maxLength)
{
}

QValidator::State FilteringValidator::validate(QString& input, int& position) const
{
    const std::string kept = filter_(input.toStdString());
    if (kept.size() > maxLength_)
        return Invalid;
    const std::string keptBeforeCursor = filter_(input.left(position).toStdString());
    input = QString::fromStdString(kept);
    position = static_cast<int>(keptBeforeCursor.size());
    return Acceptable;
}

} // namespace orvane
