// SPDX-License-Identifier: MIT
#include "colour/Adjustments.h"

namespace orvane {

int lightenChannel(int channel, int step)
{
    return channel + step > 255 ? 255 : channel + step;
}

int darkenChannel(int channel, int step)
{
    return channel - step < 0 ? 0 : channel - step;
}

int websafeChannel(int channel)
{
    const int low = (channel / 51) * 51;
    const int high = low + 51;
    return channel - low > high - channel ? high : low;
}

RgbChannels shiftSaturation(ColorWorkspace& ws, double red, double green, double blue, double delta)
{
    ws.RGBtoHSL(red, green, blue);
    ws.SatPct = ws.SatPct + delta;
    if (ws.SatPct > 100)
        ws.SatPct = 100;
    if (ws.SatPct < 0)
        ws.SatPct = 0;
    ws.HSLtoRGB(ws.HueDeg, ws.SatPct, ws.LumPct);
    return {static_cast<int>(roundHalfEven(ws.OutR)), static_cast<int>(roundHalfEven(ws.OutG)),
            static_cast<int>(roundHalfEven(ws.OutB))};
}

} // namespace orvane
