// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace orvane {

// Lets the main window's menu shortcuts win over a text box's own use of the same keys, so that
// Ctrl+Z undoes the colour and Ctrl+C copies it even while a value box has the focus.
class ShortcutPassThrough : public QObject {
public:
    ShortcutPassThrough(QList<QKeySequence> shortcuts, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> shortcuts_;
};

} // namespace orvane
