// SPDX-License-Identifier: MIT
#pragma once

namespace orvane {

// The working fields through which the RGB/HSL conversions hand over their results.
// Callers change HueDeg, SatPct and LumPct in place between calls, and the derived scheme
// colours depend bit for bit on that order of operations, so the fields are kept as they are.
// Channels are on the 0-255 scale, hue in degrees 0-360, saturation and lightness in percent.
struct ColorWorkspace {
    double CurR = 0;
    double CurG = 0;
    double CurB = 0;
    double HueDeg = 0;
    double SatPct = 0;
    double LumPct = 0;
    double OutR = 0;
    double OutG = 0;
    double OutB = 0;

    // Sets HueDeg, SatPct and LumPct from three channels.
    void RGBtoHSL(double red, double green, double blue);
    // Sets OutR, OutG and OutB (unrounded) from a hue, saturation and lightness.
    void HSLtoRGB(double hue, double saturation, double lightness);
    // One channel (0-1) of an HSL colour; wraps hue once into range in place.
    static double FindRGB(double m1, double m2, double& hue);

    // Makes the given channels current and converts them to HSL.
    void setCurrent(double red, double green, double blue);
};

} // namespace orvane
