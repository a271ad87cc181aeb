// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/X11SnapshotMemory.h"

#include <QImage>
#include <QRect>
#include <cstdint>

namespace orvane {

// How an X server lays out the pixels of an image it hands over.
struct X11PixelLayout {
    int depth = 0;
    int bitsPerPixel = 0;
    bool leastSignificantByteFirst = true;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
};

// Whether pixels in this layout already are QImage::Format_RGB32 on this machine, so the image
// can be wrapped as it came instead of converted.
bool wrapsAsRgb32(const X11PixelLayout& layout);

// The pixels of this rectangle of the X root window, in device pixels, asked of the X server in
// one request (into the shared memory where the server offers it) and wrapped without a copy.
// A null image when Qt does not run on X or the server's pixels are in another layout.
QImage grabX11Root(const QRect& device, X11SnapshotMemory& memory);

} // namespace orvane
