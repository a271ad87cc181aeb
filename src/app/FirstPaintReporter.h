// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace orvane {

// The command-line option with which the program reports when its main window first painted
// and then ends: the start-up benchmark (bench/startup.sh) measures with it.
inline constexpr const char* kReportFirstPaintOption = "--report-first-paint";

// How long the program goes on after its first paint before it ends: long enough for the
// start-up work that follows the first paint, so that the peak memory counts it too.
inline constexpr int kReportSettleMs = 300;

// Milliseconds on CLOCK_MONOTONIC, the clock the benchmark reads just before it starts the
// program, so that both ends of the measurement use the same clock.
inline double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

// Watches a top-level window for its first paint, prints "first-paint-ms <time>" on stdout and
// leaves the event loop kReportSettleMs later. It leaves with exit() rather than quit(): quit()
// closes the windows first, and a closing main window writes the settings, which would change
// what the next measured start reads. Header-only, so that the benchmark's bare reference
// window reports in exactly the same way without linking the program's libraries.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget* window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window's own paint event comes first, before its children paint and before
            // the result is flushed to the screen; a queued call runs once all of that is done.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::printf("first-paint-ms %.3f\n", monotonicMilliseconds());
                    std::fflush(stdout);
                    QTimer::singleShot(kReportSettleMs, this, [] { QCoreApplication::exit(0); });
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace orvane
