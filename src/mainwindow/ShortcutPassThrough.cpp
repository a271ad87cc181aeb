// SPDX-License-Identifier: MIT
#include "mainwindow/ShortcutPassThrough.h"

#include <QKeyEvent>

namespace orvane {

ShortcutPassThrough::ShortcutPassThrough(QList<QKeySequence> shortcuts, QObject* parent)
    : QObject(parent), shortcuts_(std::move(shortcuts))
{
}

bool ShortcutPassThrough::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (shortcuts_.contains(pressed)) {
            // Left unaccepted, the key press goes to the shortcut instead of the box.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
