// SPDX-License-Identifier: MIT
#include "colour/ColorWorkspace.h"

namespace orvane {

void ColorWorkspace::RGBtoHSL(double red, double green, double blue)
{
    // Two operations rather than one division by 255: the results must match bit for bit.
    const double r = red / 51 * 0.2;
    const double g = green / 51 * 0.2;
    const double b = blue / 51 * 0.2;

    double max = r;
    if (max < g)
        max = g;
    if (b > max)
        max = b;
    double min = r;
    if (min > g)
        min = g;
    if (b < min)
        min = b;

    const double l = (max + min) / 2;
    double s = 0;
    double h = 0;
    if (max != min) {
        if (l < 0.5)
            s = (max - min) / (max + min);
        else
            s = (max - min) / (2 - max - min);
        // Independent tests: a later match overwrites an earlier one (magenta gives 5, not -1).
        if (r == max)
            h = (g - b) / (max - min);
        if (g == max)
            h = (b - r) / (max - min) + 2;
        if (b == max)
            h = (r - g) / (max - min) + 4;
    }
    h = h * 60;
    if (h < 0)
        h = h + 360;
    if (h >= 360)
        h = h - 360;

    HueDeg = h;
    SatPct = s * 100;
    LumPct = l * 100;
}

void ColorWorkspace::HSLtoRGB(double hue, double saturation, double lightness)
{
    const double l = lightness / 100;
    const double s = saturation / 100;
    double m2 = 0;
    if (l <= 0.5)
        m2 = (s + 1) * l;
    else
        m2 = (s + l) - s * l;
    const double m1 = (l + l) - m2;

    double red = l;
    double green = l;
    double blue = l;
    if (!(s < 0.01)) {
        double redHue = hue + 120;
        double greenHue = hue;
        double blueHue = hue - 120;
        red = FindRGB(m1, m2, redHue);
        green = FindRGB(m1, m2, greenHue);
        blue = FindRGB(m1, m2, blueHue);
    }
    OutR = red * 255;
    OutG = green * 255;
    OutB = blue * 255;
}

double ColorWorkspace::FindRGB(double m1, double m2, double& hue)
{
    if (hue > 360)
        hue = hue - 360;
    if (hue < 0)
        hue = hue + 360;

    if (hue < 60)
        return ((m2 - m1) * hue) / 60 + m1;
    if (hue < 180)
        return m2;
    if (hue < 240)
        return ((m2 - m1) * (240 - hue)) / 60 + m1;
    return m1;
}

void ColorWorkspace::setCurrent(double red, double green, double blue)
{
    CurR = red;
    CurG = green;
    CurB = blue;
    RGBtoHSL(CurR, CurG, CurB);
}

} // namespace orvane
