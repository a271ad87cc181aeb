// SPDX-License-Identifier: MIT
#include "webpreview/WebPage.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// Every WebColors slot distinct, so a colour written into the wrong place shows; the page colour
// also carries bits beyond the low 24, which must not show.
TEST(WebPageTest, EachSlotColoursItsPartOfTheWholePage)
{
    const std::string expected =
        "<HTML>\r\n"
        "<HEAD>\r\n"
        "<TITLE>Orvane - Web Page Color Preview</TITLE>\r\n"
        "</HEAD>\r\n"
        "<BODY BGCOLOR=#040000 LINK=#070000 VLINK=#070000 style=font-family>\r\n"
        "<center><b><font color=#050000>Web Page Color Preview</font></b></center><BR>\r\n"
        "<TABLE WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0 BGCOLOR=#000000>\r\n"
        "<TR>\r\n"
        "<TD>\r\n"
        "<TABLE WIDTH=100% CELLSPACING=1 CELLPADDING=6 BORDER=0>\r\n"
        "<TR>\r\n"
        "<TD COLSPAN=2 WIDTH=100% BGCOLOR=#010000><b><font color=#060000>Header "
        "Text</font></b></TD>\r\n"
        "</TR>\r\n"
        "<TR>\r\n"
        "<TD WIDTH=20% HEIGHT=140 BGCOLOR=#020000 VALIGN=TOP><p style=line-height:150%><font "
        "size=2><A HREF=#>Link 1</A><BR><A HREF=#>Link 2</A><BR><A HREF=#>Link 3</A><BR><A "
        "HREF=#>Link 4</A></font></p></TD>\r\n"
        "<TD WIDTH=80% BGCOLOR=#030000 VALIGN=TOP><b><font color=#080000>Body "
        "Caption</font></b><BR><font size=2 color=#090000>This is the main text of the body of "
        "your page.</font></TD>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n"
        "</TD>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(buildWebPage(webPageColorsFrom({1, 2, 3, 0x7F000004, 5, 6, 7, 8, 9})), expected);
}

} // namespace
} // namespace orvane
