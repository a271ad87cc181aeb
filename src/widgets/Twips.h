// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

namespace orvane {

// Window layouts and stored positions are in twips: 15 to one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace orvane
