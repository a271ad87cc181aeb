// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Message boxes go through this seam so that tests can record them instead of blocking.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A message with only an OK button and the information icon.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with only an OK button about something that went wrong.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace orvane
