// Tells the end-to-end tests which colours the program should show, computed by the same colour
// code the program links, so the tests compare the screen against it without a second copy of
// the HSL arithmetic.
//
//   orvane_e2e_expected scheme RRGGBB   the sixteen colour-wheel swatches, swatch 0 first
//   orvane_e2e_expected websafe CELL    the colour of one cell of the web-safe palette
//
// Each colour is printed on a line of its own as six upper-case hexadecimal digits, red first.

#include "colour/ColorValue.h"
#include "colour/ColorWorkspace.h"
#include "colour/Palettes.h"
#include "colour/Scheme.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

std::optional<int> parseNumber(std::string_view text, int base)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int usage()
{
    std::fputs("usage: orvane_e2e_expected scheme RRGGBB | websafe CELL\n", stderr);
    return 2;
}

void printColor(orvane::ColorValue color)
{
    std::printf("%s\n", orvane::WebHex(color).c_str());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return usage();
    const std::string_view command = argv[1];
    const std::string_view operand = argv[2];

    if (command == "scheme") {
        const std::optional<int> rgb = parseNumber(operand, 16);
        if (operand.size() != 6 || !rgb)
            return usage();
        orvane::ColorWorkspace workspace;
        workspace.setCurrent((*rgb >> 16) & 0xFF, (*rgb >> 8) & 0xFF, *rgb & 0xFF);
        for (const orvane::ColorValue color :
             orvane::deriveScheme(workspace, orvane::SchemeMode::ColorWheel))
            printColor(color);
        return 0;
    }
    if (command == "websafe") {
        const std::optional<int> cell = parseNumber(operand, 10);
        if (!cell || *cell < 0 || *cell >= orvane::kWebSafeCellCount)
            return usage();
        printColor(orvane::webSafeCellColor(*cell));
        return 0;
    }
    return usage();
}
