// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/MessageBoxes.h"

#include <QString>
#include <ostream>
#include <vector>

// Lets failures show texts rather than bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Records message boxes instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Message {
        QString title;
        QString text;
    };
    void information(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text});
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text});
    }
    std::vector<Message> shown;
};

} // namespace orvane::test
