#include "webpreview/WebPage.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

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

// Every slot distinct, so a colour written into the wrong place shows; the page colour also
// carries bits beyond the low 24, which must not show.
TEST(WebPageTest, EachSlotTakesItsOwnColour)
{
    const std::string page = buildWebPage({0x7F000001, 2, 3, 4, 5, 6, 7, 8, 9});
    for (const char* part :
         {"<BODY BGCOLOR=#010000 LINK=#020000 VLINK=#020000 style", "<font color=#030000>Web Page",
          "BGCOLOR=#040000><b><font color=#050000>Header", "HEIGHT=140 BGCOLOR=#060000 VALIGN",
          "WIDTH=80% BGCOLOR=#070000 VALIGN=TOP><b><font color=#080000>Body",
          "<font size=2 color=#090000>This"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

} // namespace
} // namespace orvane
