// SPDX-License-Identifier: MIT
#include "mainwindow/PaletteStack.h"

#include "colour/ColorWorkspace.h"
#include "colour/Palettes.h"
#include "mainwindow/SpectrumPalette.h"
#include "mainwindow/WebSafePalette.h"
#include "widgets/Twips.h"

namespace orvane {

PaletteStack::PaletteStack(QWidget* area, const SimulatedVision& vision, QObject* parent)
    : QObject(parent)
{
    const QRect paletteRect = twipsRect(75, 3555, 5415, 915);
    webSafe_ = new WebSafePalette(area);
    webSafe_->setObjectName(QStringLiteral("Picture3"));
    webSafe_->move(paletteRect.topLeft());
    webSafe_->drawFor(vision);
    connect(webSafe_, &WebSafePalette::cellHovered, this,
            [this](int cell) { emit colorHovered(webSafe_->cellColor(cell)); });
    connect(webSafe_, &WebSafePalette::cellPressed, this,
            [this](int cell) { emit colorPressed(webSafe_->cellColor(cell)); });

    spectrum_ = new SpectrumPalette(area);
    spectrum_->move(paletteRect.topLeft());
    spectrum_->drawFor(vision);
    spectrum_->hide();
    connect(spectrum_, &SpectrumPalette::colorHovered, this, &PaletteStack::colorHovered);
    connect(spectrum_, &SpectrumPalette::colorPressed, this, &PaletteStack::colorPressed);
}

void PaletteStack::fill()
{
    for (int cell = 0; cell < kWebSafeCellCount; ++cell)
        webSafe_->setCellColor(cell, webSafeCellColor(cell));
    // The spectrum is 21,600 pixels, each through the HSL conversion, and at start it is hidden
    // behind the web-safe grid: its drawing need not hold up the window's first appearance.
    spectrumPending_ = true;
    if (!spectrum_->isHidden())
        drawPendingSpectrum();
}

void PaletteStack::drawPendingSpectrum()
{
    if (!spectrumPending_)
        return;
    spectrumPending_ = false;
    // A workspace of its own: the spectrum may now be drawn after later colour changes, and must
    // not touch the fields the scheme derivation works in.
    ColorWorkspace scratch;
    for (int x = 0; x < kSpectrumDrawnWidth; ++x) {
        for (int row = 0; row < kSpectrumDrawnHeight; ++row)
            spectrum_->setPixelColor(x, row, spectrumPixelColor(scratch, x, row));
    }
    spectrum_->update();
}

void PaletteStack::showSpectrum(bool spectrum)
{
    if (spectrum)
        drawPendingSpectrum();
    spectrum_->setVisible(spectrum);
}

void PaletteStack::applyPointers()
{
    webSafe_->setCursor(Qt::CrossCursor);
    spectrum_->setCursor(Qt::CrossCursor);
}

} // namespace orvane
