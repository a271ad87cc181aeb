// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "widgets/DesktopColorPick.h"

#include <QImage>
#include <optional>

class QWidget;

namespace orvane {

class MessageBoxes;

// Shows the screen as it was in the snapshot, modal over owner, and returns the colour of the
// pixel the user picks; nothing when the user cancels, or when the desktop refused the snapshot
// (a null image), which is reported.
std::optional<ColorValue> pickFromSnapshot(const QImage& snapshot, MessageBoxes& messages,
                                           QWidget* owner);
// The colour the desktop's own picker gave; nothing when the user cancelled, or when no portal
// answered, which is reported as a refused snapshot is.
std::optional<ColorValue> takeDesktopPick(const DesktopColorPick& pick, MessageBoxes& messages,
                                          QWidget* owner);

} // namespace orvane
