// SPDX-License-Identifier: MIT
#include "toolwindows/ScreenPickerWindow.h"
#include "widgets/ScreenGrabber.h"

#include <QString>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace orvane {
namespace {

constexpr int kDesktopWidth = 3840;
constexpr int kDesktopHeight = 2160;

QImage preparedDesktop()
{
    QImage image(kDesktopWidth, kDesktopHeight, QImage::Format_RGB32);
    for (int y = 0; y < kDesktopHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kDesktopWidth; ++x)
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    return image;
}

// One full magnifier redraw, as every pointer movement makes: 24 × 24 samples painted as 3 × 3
// blocks, plus the pixel swatch. The pointer wanders over the middle and the edges.
void BM_MagnifierRedraw(benchmark::State& state)
{
    ScreenPickerWindow picker(preparedDesktop(),
                              {{{0, 0}, {kDesktopWidth, kDesktopHeight}, 1, {0, 0}, 1}});
    const std::array<QPointF, 8> pointer{{{1920, 1080},
                                          {5, 5},
                                          {kDesktopWidth - 20, 700},
                                          {300, kDesktopHeight - 3},
                                          {1000, 1001},
                                          {kDesktopWidth - 1, kDesktopHeight - 1},
                                          {2500, 12},
                                          {12, 1500}}};
    std::size_t next = 0;
    for (auto _ : state) {
        picker.magnifyAt(pointer[next]);
        next = (next + 1) % pointer.size();
        benchmark::DoNotOptimize(picker.magnifierImage().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MagnifierRedraw);

// The real grab of the desktop, on X one request to the server, and the composition of its
// screens. Meant for a 3840 × 2160 desktop, which bench/run.sh provides; the label says what was
// grabbed. A pick soon after the last one finds the memory the server wrote that one into; the
// first pick, or one after a pause, has fresh memory handed to the server ("fresh").
void BM_DesktopSnapshot(benchmark::State& state)
{
    const bool fresh = state.range(0) != 0;
    auto grabber = std::make_unique<QtScreenGrabber>();
    QImage desktop;
    for (auto _ : state) {
        desktop = QImage();
        if (fresh) {
            state.PauseTiming();
            grabber = std::make_unique<QtScreenGrabber>();
            state.ResumeTiming();
        }
        desktop = grabber->grabDesktop();
        benchmark::DoNotOptimize(desktop.constBits());
    }
    if (desktop.isNull()) {
        state.SkipWithError("the platform refused to hand the screen over");
        return;
    }
    state.SetLabel(QStringLiteral("%1x%2 device pixels")
                       .arg(desktop.width())
                       .arg(desktop.height())
                       .toStdString());
}
BENCHMARK(BM_DesktopSnapshot)
    ->ArgName("fresh")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace orvane
