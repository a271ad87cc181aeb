#include "colour/ColorValue.h"

#include <gtest/gtest.h>

#include <cstdint>

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
        {0, {0, 0, 0}, "000000", "0.0.0", "0,0,0"},
        {33023, {255, 128, 0}, "FF8000", "255.128.0", "255,128,0"},
        {16711680, {0, 0, 255}, "0000FF", "0.0.255", "0,0,255"},
        // Single-digit channels keep their leading zero in the HEX forms only.
        {0x0C0B0A, {10, 11, 12}, "0A0B0C", "10.11.12", "10,11,12"},
        {0x12FF8000, {0, 128, 255}, "0080FF", "0.128.255", "0,128,255"},     // low 24 bits only
        {kNoColor, {255, 255, 255}, "FFFFFF", "255.255.255", "255,255,255"}, // empty slot: white
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SplitColor(row.value), row.channels) << row.webHex;
        EXPECT_EQ(hashHex(row.value), "#" + row.webHex);
        EXPECT_EQ(statusHex(row.value), "HEX: #" + row.webHex);
        EXPECT_EQ(statusRgb(row.value), "RGB: " + row.dottedRgb);
        EXPECT_EQ(dottedRgb(row.value), row.dottedRgb);
        EXPECT_EQ(commaRgb(row.value), row.commaRgb);
    }
}

TEST(ColorValueTest, MakeColorRoundsHalfToEven)
{
    EXPECT_EQ(MakeColor(127.5, 128.5, 0.5), 128 + 128 * 256);
    EXPECT_EQ(MakeColor(2.5, 1.5, 254.5), 2 + 2 * 256 + 254 * 65536);
    EXPECT_EQ(MakeColor(127.49, 127.51, 254.9), 127 + 128 * 256 + 255 * 65536);
    for (const auto& [x, rounded] : {std::pair{126.5, 126}, {-2.5, -2}, {-1.5, -2}, {3.4999, 3}})
        EXPECT_EQ(roundHalfEven(x), rounded) << x;
}

TEST(ColorValueTest, HexAndDecimalChannelTextsReadAsNumbers)
{
    EXPECT_EQ(ParseWebHex("FF8000"), (ChannelTexts{"&HFF", "&H80", "&H00"}));
    EXPECT_EQ(channelValue(ParseWebHex("ff8000")->green), 128); // lower case reads the same
    EXPECT_EQ(ParseWebHex("FF800"), std::nullopt);
    EXPECT_EQ(ParseWebHex(""), std::nullopt);
    for (const auto& [text, value] :
         {std::pair{"&H33", 51}, {"&Hff", 255}, {"&H0A", 10}, {"007", 7}, {"255", 255}, {"", 0}})
        EXPECT_EQ(channelValue(text), value) << text;
    // The RGB boxes show the value without leading zeros.
    EXPECT_EQ(channelText(channelValue("007")), "7");
    EXPECT_EQ(channelText(0), "0");
}

// Every colour survives split and make; text building is slow in a debug build, so the hex round
// trip walks a prime stride that still reaches every channel value in every position.
TEST(ColorValueTest, EveryColourRoundTrips)
{
    std::int64_t mismatches = 0;
    for (ColorValue value = 0; value <= kWhite; ++value) {
        const RgbChannels c = SplitColor(value);
        mismatches += MakeColor(c.red, c.green, c.blue) != value;
        if (value % 257 != 0 && value != kWhite)
            continue;
        const std::string hex = WebHex(value);
        const auto texts = ParseWebHex(hex);
        mismatches += hex.size() != 6 || !texts || channelValue(texts->red) != c.red ||
                      channelValue(texts->green) != c.green ||
                      channelValue(texts->blue) != c.blue ||
                      WebHexOfChannels(c.red, c.green, c.blue) != hex;
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace orvane
