// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;

namespace orvane {

struct MainActions;

// Copy HEX and Copy As, in the Edit menu for the current colour and in the popup for
// PopupColor. Each Copy As item shows the text it copies. The Edit menu's item of the form
// last chosen from either menu carries Ctrl+Shift+C (HEX until one is chosen).
class CopyAsMenu : public QObject {
public:
    // Fills both Copy As menus and connects both Copy HEX items; currentColor reads the main
    // window's current-colour swatch.
    CopyAsMenu(const MainActions& actions, const AppState& state,
               std::function<ColorValue()> currentColor, QObject* parent);

private:
    using Items = std::array<QAction*, kCopyFormCount>;
    Items fill(QMenu* menu, const char* namePrefix, std::function<ColorValue()> color);
    void choose(CopyForm form);

    Items editItems_{};
};

} // namespace orvane
