// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"

#include <array>
#include <string>

namespace orvane {

// The nine colours of the mock web page, one per element it paints.
struct WebPageColors {
    ColorValue page = 0;             // page background
    ColorValue link = 0;             // links, visited or not
    ColorValue title = 0;            // page title text
    ColorValue headerBackground = 0; // header bar
    ColorValue headerText = 0;
    ColorValue side = 0;           // side bar behind the links
    ColorValue bodyBackground = 0; // body box
    ColorValue caption = 0;        // body caption text
    ColorValue bodyText = 0;
};

// Picks the page colours out of WebColors, which holds the four panels (header bar, side bar,
// body box, page) and then the five texts (title, header text, links, caption, body text).
WebPageColors webPageColorsFrom(const std::array<ColorValue, kWebColorCount>& webColors);

// The HTML file the web preview exports: 23 lines, each ended by CR LF, the colours written as
// web HEX (only their low 24 bits count).
std::string buildWebPage(const WebPageColors& colors);

} // namespace orvane
