// SPDX-License-Identifier: MIT
#include "mainwindow/FilteringValidator.h"

namespace orvane {

FilteringValidator::FilteringValidator(Rule rule, QObject* parent) : QValidator(parent), rule_(rule)
{
}

QValidator::State FilteringValidator::validate(QString& input, int& position) const
{
    const std::optional<BoxEdit> kept =
        rule_(input.toStdString(), static_cast<std::size_t>(input.left(position).toUtf8().size()));
    if (!kept)
        return Invalid;
    input = QString::fromStdString(kept->text);
    position = static_cast<int>(kept->cursor);
    return Acceptable;
}

} // namespace orvane
