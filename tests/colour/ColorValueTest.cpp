// SPDX-License-Identifier: MIT
#include "colour/ColorValue.h"
#include "colour/Adjustments.h"
#include "colour/ColorModels.h"
#include "colour/ColorWorkspace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace orvane {
namespace {

TEST(ColorValueTest, TextFormsOfKnownColours)
{
    struct Row {
        ColorValue value;
        RgbChannels channels;
        std::string webHex, dottedRgb, commaRgb;
    };
    const Row rows[] = {
        {33023, {255, 128, 0}, "FF8000", "255.128.0", "255,128,0"},
        // Single-digit channels keep their leading zero in the HEX forms only.
        {0x0C0B0A, {10, 11, 12}, "0A0B0C", "10.11.12", "10,11,12"},
        {0x12FF8000, {0, 128, 255}, "0080FF", "0.128.255", "0,128,255"},     // low 24 bits only
        {kNoColor, {255, 255, 255}, "FFFFFF", "255.255.255", "255,255,255"}, // empty slot: white
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SplitColor(row.value), row.channels) << row.webHex;
        EXPECT_EQ(hashHex(row.value), "#" + row.webHex);
        EXPECT_EQ(dottedRgb(row.value), row.dottedRgb);
        EXPECT_EQ(commaRgb(row.value), row.commaRgb);
    }
}

TEST(ColorValueTest, CopyAsFormsAndHashHexTexts)
{
    const std::pair<ColorValue, std::array<const char*, kCopyFormCount>> rows[] = {
        {MakeColor(51, 35, 231),
         {"3323E7", "#3323E7", "rgb(51, 35, 231)", "hsl(245, 80%, 52%)", "51, 35, 231",
          "0x3323E7"}},
        {MakeColor(255, 0, 1), // hue 359.8 is a whole turn, written as 0
         {"FF0001", "#FF0001", "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "255, 0, 1", "0xFF0001"}},
        {MakeColor(0, 128, 64),
         {"008040", "#008040", "rgb(0, 128, 64)", "hsl(150, 100%, 25%)", "0, 128, 64", "0x008040"}},
        {kWhite,
         {"FFFFFF", "#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "255, 255, 255",
          "0xFFFFFF"}},
    };
    for (const auto& [value, texts] : rows) {
        for (int form = 0; form < kCopyFormCount; ++form)
            EXPECT_EQ(copyText(static_cast<CopyForm>(form), value), texts[form]);
    }
    for (const auto& [text, value] : {std::pair{"#F80", 0x0088FF},
                                      {"#ff8000", 0x0080FF},
                                      {"#FF800080", 0x0080FF},
                                      {"#F808", 0x0088FF},
                                      {"#12345", kNoColor},
                                      {"FF8000", kNoColor},
                                      {"#GG0000", kNoColor},
                                      {"", kNoColor}})
        EXPECT_EQ(parseHashHex(text).value_or(kNoColor), value) << text;
}

TEST(ColorValueTest, MakeColorRoundsHalfToEvenAndTextsReadAsNumbers)
{
    EXPECT_EQ(MakeColor(127.5, 128.5, 0.5), 128 + 128 * 256);
    EXPECT_EQ(MakeColor(127.49, 127.51, 254.9), 127 + 128 * 256 + 255 * 65536);
    for (const auto& [x, rounded] : {std::pair{126.5, 126}, {-2.5, -2}, {-1.5, -2}, {3.4999, 3}})
        EXPECT_EQ(roundHalfEven(x), rounded) << x;

    EXPECT_EQ(ParseWebHex("FF8000"), (ChannelTexts{"&HFF", "&H80", "&H00"}));
    EXPECT_EQ(channelValue(ParseWebHex("ff8000")->green), 128); // lower case reads the same
    EXPECT_FALSE(ParseWebHex("FF800") || ParseWebHex(""));
    for (const auto& [text, value] :
         {std::pair{"&H33", 51}, {"&Hff", 255}, {"&H0A", 10}, {"007", 7}, {"", 0}})
        EXPECT_EQ(channelValue(text), value) << text;
    EXPECT_EQ(channelText(channelValue("007")), "7"); // the RGB boxes drop leading zeros
}

// Every colour survives split and make, and through HSL and back, where the below-one-percent
// saturation rule may turn a near-grey into an exact grey at most a step away. Text building is
// slow in a debug build, so the hex round trip walks a prime stride that still reaches every
// channel value in every position.
TEST(ColorValueTest, EveryColourRoundTrips)
{
    std::int64_t failures = 0, nearGreys = 0;
    ColorWorkspace ws;
    for (ColorValue value = 0; value <= kWhite; ++value) {
        const RgbChannels c = SplitColor(value);
        failures += MakeColor(c.red, c.green, c.blue) != value;
        ws.RGBtoHSL(c.red, c.green, c.blue);
        failures += ws.HueDeg < 0 || ws.HueDeg >= 360 || ws.SatPct < 0 || ws.SatPct > 100 ||
                    ws.LumPct < 0 || ws.LumPct > 100;
        const CssHsl css = toCssHsl(c); // the stylesheets' HSL has no such rule
        failures += fromCssHsl(css.hue, css.saturation, css.lightness) != c;
        const bool nearGrey = ws.SatPct < 1;
        nearGreys += nearGrey;
        ws.HSLtoRGB(ws.HueDeg, ws.SatPct, ws.LumPct);
        const RgbChannels b = SplitColor(MakeColor(ws.OutR, ws.OutG, ws.OutB));
        failures += nearGrey
                        ? b.red != b.green || b.green != b.blue || std::abs(b.red - c.red) > 1 ||
                              std::abs(b.green - c.green) > 1 || std::abs(b.blue - c.blue) > 1
                        : b != c;
        if (value % 257 != 0 && value != kWhite)
            continue;
        const std::string hex = WebHex(value);
        const auto texts = ParseWebHex(hex);
        failures += hex.size() != 6 || !texts || channelValue(texts->red) != c.red ||
                    channelValue(texts->green) != c.green || channelValue(texts->blue) != c.blue ||
                    WebHexOfChannels(c.red, c.green, c.blue) != hex;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(nearGreys, 256); // the exact greys and their one-step neighbours
}

TEST(ColorWorkspaceTest, KnownColoursConvertBothWays)
{
    // red, green, blue -> hue, saturation, lightness
    const double rows[][6] = {
        {128, 128, 128, 0, 0, 12800.0 / 255},
        {0, 0, 255, 240, 100, 50},   // lightness exactly 0.5 takes the (2 - max - min) branch
        {255, 0, 255, 300, 100, 50}, // red and blue both maximal: the blue test's 5 wins
        {255, 0, 128, 360 - 60 * 128.0 / 255, 100, 50}, // a negative raw hue is brought into range
        // A raw hue so slightly negative that adding 360 lands on 360 exactly must become 0.
        {255, 0, 1e-15, 0, 100, 50},
    };
    ColorWorkspace ws;
    for (const auto& r : rows) {
        ws.RGBtoHSL(r[0], r[1], r[2]);
        EXPECT_NEAR(ws.HueDeg, r[3], 1e-9) << r[0] << "," << r[1] << "," << r[2];
        EXPECT_NEAR(ws.SatPct, r[4], 1e-9);
        EXPECT_NEAR(ws.LumPct, r[5], 1e-9);
    }
    // hue, saturation, lightness -> red, green, blue, left unrounded; the schemes' tables pin
    // the hues at full saturation on either side of half lightness.
    const double back[][6] = {
        {200, 0.9, 40, 102, 102, 102}, // below one percent a grey of L * 2.55, whatever the hue
        {0, 1, 50, 0.505 * 255, 0.495 * 255, 0.495 * 255}, // exactly one percent is not grey
    };
    for (const auto& r : back) {
        ws.HSLtoRGB(r[0], r[1], r[2]);
        EXPECT_NEAR(ws.OutR, r[3], 1e-9) << r[0] << "/" << r[1] << "/" << r[2];
        EXPECT_NEAR(ws.OutG, r[4], 1e-9);
        EXPECT_NEAR(ws.OutB, r[5], 1e-9);
    }
}

constexpr int kStep = 30; // the Lighten and Darken step the program starts with

// Rows: channel, lightened, darkened. Landing exactly on a limit is not clamping. Web-safe
// channels are the nearest multiple of 51: within 25 of one names exactly one, since 51 is odd.
TEST(AdjustmentsTest, LightenDarkenAndWebsafeStayWithinTheChannel)
{
    const int rows[][3] = {{240, 255, 210}, {10, 40, 0}, {255, 255, 225}, {225, 255, 195},
                           {224, 254, 194}, {30, 60, 0}, {31, 61, 1},     {100, 130, 70}};
    for (const auto& [channel, lighter, darker] : rows) {
        EXPECT_EQ(lightenChannel(channel, kStep), lighter) << channel;
        EXPECT_EQ(darkenChannel(channel, kStep), darker) << channel;
    }
    for (int channel = 0; channel <= 255; ++channel) {
        const int safe = websafeChannel(channel);
        EXPECT_TRUE(safe % 51 == 0 && safe >= 0 && safe <= 255 && std::abs(safe - channel) <= 25)
            << channel << " gave " << safe;
    }
}

TEST(AdjustmentsTest, SaturationMovesFivePointsWithinTheRange)
{
    ColorWorkspace ws;
    // A grey has hue 0, so it tints towards red: l = 0.50196, s = 0.05 gives m2 * 255 = 134.35
    // and m1 * 255 = 121.65.
    EXPECT_EQ(shiftSaturation(ws, 128, 128, 128, kSaturationStep), (RgbChannels{134, 122, 122}));
    // Saturation 96 plus 5 must stop at 100; unclamped it would push red past 255.
    EXPECT_EQ(shiftSaturation(ws, 250, 5, 5, kSaturationStep), (RgbChannels{255, 0, 0}));
    EXPECT_EQ(ws.SatPct, 100);
    // Five steps down from saturation 20 end at an exact grey of the same lightness (50 %), and
    // a sixth stays there instead of going negative.
    RgbChannels c{153, 102, 102};
    for (int i = 1; i <= 6; ++i)
        c = shiftSaturation(ws, c.red, c.green, c.blue, -kSaturationStep);
    EXPECT_EQ(ws.SatPct, 0);
    EXPECT_TRUE(c.red == c.green && c.green == c.blue && std::abs(c.red - 128) <= 1) << c.red;
}

} // namespace
} // namespace orvane
