// SPDX-License-Identifier: MIT
#include "webpreview/WebPage.h"

namespace orvane {

WebPageColors webPageColorsFrom(const std::array<ColorValue, kWebColorCount>& webColors)
{
    WebPageColors colors;
    colors.headerBackground = webColors[0];
    colors.side = webColors[1];
    colors.bodyBackground = webColors[2];
    colors.page = webColors[3];
    colors.title = webColors[4];
    colors.headerText = webColors[5];
    colors.link = webColors[6];
    colors.caption = webColors[7];
    colors.bodyText = webColors[8];
    return colors;
}

std::string buildWebPage(const WebPageColors& colors)
{
    std::string page;
    const auto line = [&page](const std::string& text) {
        page += text;
        page += "\r\n";
    };
    line("<HTML>");
    line("<HEAD>");
    line("<TITLE>Orvane - Web Page Color Preview</TITLE>");
    line("</HEAD>");
    line("<BODY BGCOLOR=#" + WebHex(colors.page) + " LINK=#" + WebHex(colors.link) + " VLINK=#" +
         WebHex(colors.link) + " style=font-family>");
    line("<center><b><font color=#" + WebHex(colors.title) +
         ">Web Page Color Preview</font></b></center><BR>");
    line("<TABLE WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0 BGCOLOR=#000000>");
    line("<TR>");
    line("<TD>");
    line("<TABLE WIDTH=100% CELLSPACING=1 CELLPADDING=6 BORDER=0>");
    line("<TR>");
    line("<TD COLSPAN=2 WIDTH=100% BGCOLOR=#" + WebHex(colors.headerBackground) +
         "><b><font color=#" + WebHex(colors.headerText) + ">Header Text</font></b></TD>");
    line("</TR>");
    line("<TR>");
    line("<TD WIDTH=20% HEIGHT=140 BGCOLOR=#" + WebHex(colors.side) +
         " VALIGN=TOP><p style=line-height:150%><font size=2><A HREF=#>Link 1</A><BR><A "
         "HREF=#>Link 2</A><BR><A HREF=#>Link 3</A><BR><A HREF=#>Link 4</A></font></p></TD>");
    line("<TD WIDTH=80% BGCOLOR=#" + WebHex(colors.bodyBackground) +
         " VALIGN=TOP><b><font color=#" + WebHex(colors.caption) +
         ">Body Caption</font></b><BR><font size=2 color=#" + WebHex(colors.bodyText) +
         ">This is the main text of the body of your page.</font></TD>");
    line("</TR>");
    line("</TABLE>");
    line("</TD>");
    line("</TR>");
    line("</TABLE>");
    line("</BODY>");
    line("</HTML>");
    return page;
}

} // namespace orvane
