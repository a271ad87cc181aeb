// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/Scheme.h"

#include <QObject>
#include <QPoint>
#include <array>

class QFrame;
class QWidget;

namespace orvane {

class SimulatedVision;
class SwatchWidget;

inline constexpr int kCurrentSwatch = 16;

// The main window's sixteen scheme swatches (Picture1_0..15), the current-colour swatch
// (Picture1_16) and the wheel frame (Frame1), placed on the client area; the swatches are drawn
// for the vision.
class SchemeSwatchGrid : public QObject {
    Q_OBJECT
public:
    SchemeSwatchGrid(QWidget* area, const SimulatedVision& vision, QObject* parent);

    SwatchWidget* swatch(int index) const { return swatches_[index]; }
    void showScheme(const SchemeColors& scheme);
    // The wheel frame shows in the colour wheel mode only.
    void showMode(SchemeMode mode);
    // The pointing hand over the scheme swatches.
    void applyPointers();

signals:
    void swatchHovered(int index);
    void swatchReleased(int index, Qt::MouseButton button, QPoint position);
    void swatchDropped(int index, bool fromItself);

private:
    std::array<SwatchWidget*, kSchemeSwatchCount + 1> swatches_{};
    QFrame* wheelFrame_ = nullptr;
};

} // namespace orvane
