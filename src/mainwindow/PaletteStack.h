// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"

#include <QObject>

class QWidget;

namespace orvane {

class SimulatedVision;
class SpectrumPalette;
class WebSafePalette;

// The two palettes that share one place on the main window's client area: the web-safe grid
// (Picture3) and, in front of it when chosen, the spectrum (Picture4), both drawn for the vision.
class PaletteStack : public QObject {
    Q_OBJECT
public:
    PaletteStack(QWidget* area, const SimulatedVision& vision, QObject* parent);

    // Fills the web-safe grid and marks the spectrum for drawing; a spectrum on show is drawn
    // at once, a hidden one by drawPendingSpectrum().
    void fill();
    void drawPendingSpectrum();
    // The spectrum in front, drawn first if need be, or the web-safe grid.
    void showSpectrum(bool spectrum);
    // The cross pointer over both palettes.
    void applyPointers();

signals:
    void colorHovered(orvane::ColorValue color);
    void colorPressed(orvane::ColorValue color);

private:
    WebSafePalette* webSafe_ = nullptr;
    SpectrumPalette* spectrum_ = nullptr;
    bool spectrumPending_ = false;
};

} // namespace orvane
