#include "colour/ColorValue.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace orvane
{
namespace
{

TEST(ColorValueTest, TextFormsOfKnownColours)
{
    struct Row {
        ColorValue value;
        RgbChannels channels;
        const char* webHex;
        const char* statusRgb;
        const char* commaRgb;
    };
    const Row rows[] = {
        {0, {0, 0, 0}, "000000", "RGB: 0.0.0", "0,0,0"},
        {255, {255, 0, 0}, "FF0000", "RGB: 255.0.0", "255,0,0"},
        {65280, {0, 255, 0}, "00FF00", "RGB: 0.255.0", "0,255,0"},
        {16711680, {0, 0, 255}, "0000FF", "RGB: 0.0.255", "0,0,255"},
        {33023, {255, 128, 0}, "FF8000", "RGB: 255.128.0", "255,128,0"},
        {16777215, {255, 255, 255}, "FFFFFF", "RGB: 255.255.255", "255,255,255"},
        // Single-digit channels must keep their leading zero in the HEX forms only.
        {0x0C0B0A, {10, 11, 12}, "0A0B0C", "RGB: 10.11.12", "10,11,12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.webHex);
        EXPECT_EQ(SplitColor(row.value), row.channels);
        EXPECT_EQ(WebHex(row.value), row.webHex);
        EXPECT_EQ(WebHexOfChannels(row.channels.red, row.channels.green, row.channels.blue),
                  row.webHex);
        EXPECT_EQ(HashHex(row.value), std::string("#") + row.webHex);
        EXPECT_EQ(StatusHex(row.value), std::string("HEX: #") + row.webHex);
        EXPECT_EQ(StatusRgb(row.value), row.statusRgb);
        EXPECT_EQ(DottedRgb(row.value), std::string(row.statusRgb).substr(5));
        EXPECT_EQ(CommaRgb(row.value), row.commaRgb);
        EXPECT_EQ(MakeColor(row.channels.red, row.channels.green, row.channels.blue), row.value);
    }
}

TEST(ColorValueTest, ValuesBeyondTwentyFourBitsUseTheLowBitsOnly)
{
    const ColorValue high = 0x12FF8000; // low 24 bits: red 0, green 128, blue 255
    EXPECT_EQ(SplitColor(high), (RgbChannels{0, 128, 255}));
    EXPECT_EQ(WebHex(high), "0080FF");
    EXPECT_EQ(StatusRgb(high), "RGB: 0.128.255");

    // An empty slot (-1) has every bit set; shown, it reads as white.
    EXPECT_EQ(SplitColor(kNoColor), (RgbChannels{255, 255, 255}));
    EXPECT_EQ(WebHex(kNoColor), "FFFFFF");
    EXPECT_EQ(WebHex(static_cast<ColorValue>(0x80000033)), "330000");
}

TEST(ColorValueTest, MakeColorRoundsHalfToEven)
{
    EXPECT_EQ(MakeColor(127.5, 128.5, 0.5), 128 + 128 * 256);
    EXPECT_EQ(MakeColor(2.5, 1.5, 254.5), 2 + 2 * 256 + 254 * 65536);
    EXPECT_EQ(MakeColor(127.49, 127.51, 254.9), 127 + 128 * 256 + 255 * 65536);
    EXPECT_EQ(MakeColor(255, 255, 255), kWhite);

    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(126.5), 126);
    EXPECT_EQ(roundHalfEven(127.5), 128);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(3.4999), 3);
}

TEST(ColorValueTest, ParseWebHexHandsOnHexChannelTexts)
{
    const auto upper = ParseWebHex("FF8000");
    ASSERT_TRUE(upper.has_value());
    EXPECT_EQ(*upper, (ChannelTexts{"&HFF", "&H80", "&H00"}));

    // Lower-case digits typed in the HEX box read the same as upper-case ones.
    const auto lower = ParseWebHex("ff8000");
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(channelValue(lower->red), 255);
    EXPECT_EQ(channelValue(lower->green), 128);
    EXPECT_EQ(channelValue(lower->blue), 0);

    EXPECT_FALSE(ParseWebHex("").has_value());
    EXPECT_FALSE(ParseWebHex("FF800").has_value());
}

TEST(ColorValueTest, ChannelTextsReadAsNumbers)
{
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"&H33", 51}, {"&HFF", 255}, {"&Hff", 255}, {"&H00", 0}, {"&H0A", 10},
        {"7", 7},     {"007", 7},    {"255", 255},  {"", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(channelValue(row.text), row.value);
    }
    // The RGB boxes show the value without leading zeros.
    EXPECT_EQ(channelText(channelValue("&H33")), "51");
    EXPECT_EQ(channelText(channelValue("007")), "7");
    EXPECT_EQ(channelText(0), "0");
}

TEST(ColorValueTest, EveryColourSurvivesSplitAndMake)
{
    std::int64_t mismatches = 0;
    for (ColorValue value = 0; value <= kWhite; ++value) {
        const RgbChannels c = SplitColor(value);
        if (MakeColor(c.red, c.green, c.blue) != value)
            ++mismatches;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ColorValueTest, WebHexReadsBackToTheSameChannels)
{
    // Text building is slow in a debug build, so walk a prime stride that still reaches every
    // channel value in every position, plus the ends of the range.
    std::int64_t mismatches = 0;
    std::int64_t checked = 0;
    auto check = [&](ColorValue value) {
        ++checked;
        const std::string hex = WebHex(value);
        const auto texts = ParseWebHex(hex);
        const RgbChannels c = SplitColor(value);
        if (hex.size() != 6 || !texts || channelValue(texts->red) != c.red ||
            channelValue(texts->green) != c.green || channelValue(texts->blue) != c.blue ||
            WebHexOfChannels(c.red, c.green, c.blue) != hex)
            ++mismatches;
    };
    for (ColorValue value = 0; value <= kWhite; value += 257)
        check(value);
    check(kWhite);
    EXPECT_GT(checked, 65000);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace orvane
