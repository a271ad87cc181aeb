#include "webpreview/WebPage.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orvane {
namespace {

WebPageColors defaultColors()
{
    AppState state;
    SetDefaults(state);
    return webPageColorsFrom(state.WebColors);
}

TEST(WebPageTest, DefaultColoursGiveTheWholePage)
{
    const std::string expected =
        "<HTML>\r\n"
        "<HEAD>\r\n"
        "<TITLE>Orvane - Web Page Color Preview</TITLE>\r\n"
        "</HEAD>\r\n"
        "<BODY BGCOLOR=#FF8700 LINK=#000000 VLINK=#000000 style=font-family>\r\n"
        "<center><b><font color=#000000>Web Page Color Preview</font></b></center><BR>\r\n"
        "<TABLE WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0 BGCOLOR=#000000>\r\n"
        "<TR>\r\n"
        "<TD>\r\n"
        "<TABLE WIDTH=100% CELLSPACING=1 CELLPADDING=6 BORDER=0>\r\n"
        "<TR>\r\n"
        "<TD COLSPAN=2 WIDTH=100% BGCOLOR=#4132D1><b><font color=#FFFFFF>Header "
        "Text</font></b></TD>\r\n"
        "</TR>\r\n"
        "<TR>\r\n"
        "<TD WIDTH=20% HEIGHT=140 BGCOLOR=#7DBD21 VALIGN=TOP><p style=line-height:150%><font "
        "size=2><A HREF=#>Link 1</A><BR><A HREF=#>Link 2</A><BR><A HREF=#>Link 3</A><BR><A "
        "HREF=#>Link 4</A></font></p></TD>\r\n"
        "<TD WIDTH=80% BGCOLOR=#FFFFFF VALIGN=TOP><b><font color=#1A4D80>Body "
        "Caption</font></b><BR><font size=2 color=#000000>This is the main text of the body of "
        "your page.</font></TD>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n"
        "</TD>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(buildWebPage(defaultColors()), expected);
}

// Every slot distinct, so a colour written into the wrong place shows.
TEST(WebPageTest, EachSlotTakesItsOwnColour)
{
    WebPageColors colors;
    colors.page = 0x000001;
    colors.link = 0x000002;
    colors.title = 0x000003;
    colors.headerBackground = 0x000004;
    colors.headerText = 0x000005;
    colors.side = 0x000006;
    colors.bodyBackground = 0x000007;
    colors.caption = 0x000008;
    colors.bodyText = 0x000009;
    const std::string page = buildWebPage(colors);
    EXPECT_NE(page.find("<BODY BGCOLOR=#010000 LINK=#020000 VLINK=#020000 style"),
              std::string::npos);
    EXPECT_NE(page.find("<font color=#030000>Web Page"), std::string::npos);
    EXPECT_NE(page.find("BGCOLOR=#040000><b><font color=#050000>Header"), std::string::npos);
    EXPECT_NE(page.find("HEIGHT=140 BGCOLOR=#060000 VALIGN"), std::string::npos);
    EXPECT_NE(page.find("WIDTH=80% BGCOLOR=#070000 VALIGN=TOP><b><font color=#080000>Body"),
              std::string::npos);
    EXPECT_NE(page.find("<font size=2 color=#090000>This"), std::string::npos);
}

TEST(WebPageTest, ResetColoursGiveWhitePageGreyPanelsBlackTexts)
{
    WebPageColors colors;
    colors.page = 0xFFFFFF;
    colors.headerBackground = colors.side = colors.bodyBackground = 0xC0C0C0;
    const std::string page = buildWebPage(colors);
    EXPECT_NE(page.find("<BODY BGCOLOR=#FFFFFF LINK=#000000 VLINK=#000000 style=font-family>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("<TD COLSPAN=2 WIDTH=100% BGCOLOR=#C0C0C0><b><font color=#000000>"),
              std::string::npos);
    EXPECT_NE(page.find("<TD WIDTH=20% HEIGHT=140 BGCOLOR=#C0C0C0 VALIGN=TOP>"), std::string::npos);
    EXPECT_NE(page.find("<TD WIDTH=80% BGCOLOR=#C0C0C0 VALIGN=TOP><b><font color=#000000>"),
              std::string::npos);
    EXPECT_NE(page.find("<font size=2 color=#000000>"), std::string::npos);
    EXPECT_EQ(page.find("color=#FFFFFF"), std::string::npos);
}

TEST(WebPageTest, ValuesBeyondTwentyFourBitsShowTheirLowBits)
{
    WebPageColors colors;
    colors.page = 0x7F123456;
    colors.link = -1;
    const std::string page = buildWebPage(colors);
    EXPECT_NE(page.find("<BODY BGCOLOR=#563412 LINK=#FFFFFF VLINK=#FFFFFF style"),
              std::string::npos);
}

TEST(WebPageTest, TwentyThreeLinesEachEndedByCarriageReturnAndLineFeed)
{
    const std::string page = buildWebPage(defaultColors());
    const std::string last = "</HTML>\r\n";
    ASSERT_GE(page.size(), last.size());
    EXPECT_EQ(page.substr(page.size() - last.size()), last);
    EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 23);
    EXPECT_EQ(std::count(page.begin(), page.end(), '\r'), 23);
    for (std::size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1))
        EXPECT_TRUE(at > 0 && page[at - 1] == '\r') << "line feed at " << at;
    EXPECT_TRUE(std::all_of(page.begin(), page.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

} // namespace
} // namespace orvane
