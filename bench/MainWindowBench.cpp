// SPDX-License-Identifier: MIT
// The main window's two colour-drawing steps: SetAll, which every colour change runs, and
// Web_Tsb_Show, which fills the palettes at start-up.

#include "core/AppState.h"
#include "filedialog/QtFileDialogBackend.h"
#include "mainwindow/MainWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/ShellOpener.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace orvane {
namespace {

constexpr qint64 kExposeLimitMs = 5000;

// A main window started as on a first run (the Favorites window open), in a program folder of
// its own. Nothing here shows a message, a dialog or grabs the screen; the program's real seams
// are handed over so that the window is built exactly as the program builds it. The settings
// are only written when the window is closed, which the benchmarks never do.
class StartedWindow {
public:
    StartedWindow()
    {
        const std::filesystem::path root(folder_.path().toStdString());
        SetDefaults(state_);
        window_ = std::make_unique<MainWindow>(
            state_, MainWindowEnvironment{root, SettingsStore(root, root / "config"), &messages_,
                                          &shell_, &dialogs_, &grabber_, [] { return 0.0; }});
        window_->startUp();
        // Until the window is on the screen and has painted: an unexposed window paints nothing,
        // and the start-up work that follows the first paint is done by then.
        QElapsedTimer waited;
        waited.start();
        while (!window_->windowHandle()->isExposed() && waited.elapsed() < kExposeLimitMs)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::processEvents();
    }

    MainWindow& window() { return *window_; }

private:
    QTemporaryDir folder_;
    AppState state_;
    QtMessageBoxes messages_;
    DesktopShellOpener shell_;
    QtFileDialogBackend dialogs_;
    QtScreenGrabber grabber_;
    std::unique_ptr<MainWindow> window_;
};

// Colours of every kind: dark and light, grey, saturated and washed out, so that both
// directions of the lightness steps and the grey case of the conversions are taken.
constexpr std::array<std::array<int, 3>, 8> kColors{{{51, 35, 231},
                                                     {255, 255, 255},
                                                     {0, 0, 0},
                                                     {128, 128, 128},
                                                     {250, 20, 10},
                                                     {12, 200, 90},
                                                     {200, 190, 170},
                                                     {0, 153, 255}}};

// SetAll as a click on a swatch runs it: recorded for undo, the current-colour swatch, the
// value boxes and the sixteen scheme swatches set. The swatches only schedule their repaint.
void BM_SetAll(benchmark::State& state)
{
    StartedWindow started;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& c = kColors[next];
        started.window().SetAll(c[0], c[1], c[2], false);
        next = (next + 1) % kColors.size();
    }
    benchmark::DoNotOptimize(started.window().currentColor());
}
BENCHMARK(BM_SetAll);

// SetAll followed by the repaint it schedules, as the event loop runs it: the whole time from a
// colour change to the new colours on the screen.
void BM_SetAllRepainted(benchmark::State& state)
{
    StartedWindow started;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& c = kColors[next];
        started.window().SetAll(c[0], c[1], c[2], false);
        QApplication::processEvents();
        next = (next + 1) % kColors.size();
    }
    benchmark::DoNotOptimize(started.window().currentColor());
}
BENCHMARK(BM_SetAllRepainted);

// Web_Tsb_Show with the spectrum on show (argument 1): the web-safe grid's 216 cells and the
// 360 × 60 spectrum, every pixel through HSLtoRGB. With the spectrum hidden (argument 0), as at
// start-up, only the grid is filled and the spectrum waits until it is needed.
void BM_WebTsbShow(benchmark::State& state)
{
    StartedWindow started;
    if (state.range(0) == 1)
        started.window().actions().showSpectrumPalette->trigger();
    for (auto _ : state)
        started.window().Web_Tsb_Show();
}
BENCHMARK(BM_WebTsbShow)->ArgName("spectrumShown")->Arg(1)->Arg(0);

} // namespace
} // namespace orvane
