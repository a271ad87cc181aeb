// SPDX-License-Identifier: MIT
#include "colour/Scheme.h"

namespace orvane {

namespace {

constexpr double kLightnessThreshold = 60;
constexpr double kGroupLightnessStep = 8.5;
constexpr int kWheelLightnessStep = 12;

// Steps run toward the middle so that lightness never leaves 0-100.
int lightnessDirection(double lightness)
{
    return lightness >= kLightnessThreshold ? -1 : 1;
}

void addHue(ColorWorkspace& ws, double degrees)
{
    ws.HueDeg = ws.HueDeg + degrees;
    if (ws.HueDeg >= 360)
        ws.HueDeg = ws.HueDeg - 360;
}

ColorValue paint(ColorWorkspace& ws)
{
    ws.HSLtoRGB(ws.HueDeg, ws.SatPct, ws.LumPct);
    return MakeColor(ws.OutR, ws.OutG, ws.OutB);
}

void deriveGroups(ColorWorkspace& ws, SchemeColors& scheme)
{
    struct Family {
        double hueOffset;
        std::array<int, 4> swatches;
    };
    static constexpr std::array<Family, 4> families{{
        {0, {0, 1, 2, 3}},
        {180, {11, 12, 13, 4}},
        {90, {10, 15, 14, 5}},
        {270, {9, 8, 7, 6}},
    }};
    for (const Family& family : families) {
        ws.RGBtoHSL(ws.CurR, ws.CurG, ws.CurB);
        const double step = kGroupLightnessStep * lightnessDirection(ws.LumPct);
        addHue(ws, family.hueOffset);
        for (const int swatch : family.swatches) {
            scheme[swatch] = paint(ws);
            ws.LumPct = ws.LumPct + step;
        }
    }
}

void deriveWheel(ColorWorkspace& ws, SchemeColors& scheme)
{
    ws.RGBtoHSL(ws.CurR, ws.CurG, ws.CurB);
    for (int swatch = 0; swatch < 12; ++swatch) {
        scheme[swatch] = paint(ws);
        addHue(ws, 30);
    }

    ws.RGBtoHSL(ws.CurR, ws.CurG, ws.CurB);
    const int step = kWheelLightnessStep * lightnessDirection(ws.LumPct);
    ws.LumPct = ws.LumPct + step;
    scheme[12] = paint(ws);
    ws.LumPct = ws.LumPct + step;
    scheme[13] = paint(ws);

    ws.RGBtoHSL(ws.CurR, ws.CurG, ws.CurB);
    addHue(ws, 180);
    ws.LumPct = ws.LumPct + step;
    scheme[14] = paint(ws);
    ws.LumPct = ws.LumPct + step;
    scheme[15] = paint(ws);
}

} // namespace

SchemeColors deriveScheme(ColorWorkspace& workspace, SchemeMode mode)
{
    SchemeColors scheme{};
    if (mode == SchemeMode::GroupByColor)
        deriveGroups(workspace, scheme);
    else
        deriveWheel(workspace, scheme);
    return scheme;
}

HarmonyBaseColors harmonyBaseColors(const SchemeColors& scheme)
{
    static constexpr std::array<int, kHarmonyColorCount> sources{0, 6, 5, 7, 4, 8, 11, 1};
    HarmonyBaseColors colors{};
    for (int slot = 0; slot < kHarmonyColorCount; ++slot)
        colors[slot] = scheme[sources[slot]];
    return colors;
}

} // namespace orvane
