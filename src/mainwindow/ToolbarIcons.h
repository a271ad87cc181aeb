// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace orvane {

// Toolbar pictures drawn by the program itself, so they stay crisp at any scale.
enum class ToolbarPicture {
    Open,
    Save,
    Back,
    Forward,
    ScreenPicker,
    MakeWebSafe,
    Lighten,
    Darken,
    Saturate,
    Desaturate,
    Favorites,
    History,
    Harmonies,
    WebPreview,
};

QIcon toolbarIcon(ToolbarPicture picture);

} // namespace orvane
