// Tells the end-to-end tests which colours the program should show, computed by the same colour
// code the program links, so the tests compare the screen against it without a second copy of
// the HSL arithmetic.
//
//   orvane_e2e_expected scheme RRGGBB   the sixteen colour-wheel swatches, swatch 0 first
//   orvane_e2e_expected websafe CELL    the colour of one cell of the web-safe palette
//
// Each colour is printed on a line of its own as six upper-case hexadecimal digits, red first.

#include "colour/Palettes.h"
#include "colour/Scheme.h"

#include <charconv>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[])
{
    using namespace orvane;
    const std::string_view command = argc == 3 ? argv[1] : "";
    const std::string_view operand = argc == 3 ? argv[2] : "";
    const bool scheme = command == "scheme";
    int number = -1;
    const auto [end, error] =
        std::from_chars(operand.data(), operand.data() + operand.size(), number, scheme ? 16 : 10);
    const bool whole = error == std::errc() && end == operand.data() + operand.size();
    if (scheme && whole && operand.size() == 6) {
        ColorWorkspace workspace;
        workspace.setCurrent((number >> 16) & 0xFF, (number >> 8) & 0xFF, number & 0xFF);
        for (const ColorValue color : deriveScheme(workspace, SchemeMode::ColorWheel))
            std::printf("%s\n", WebHex(color).c_str());
        return 0;
    }
    if (command == "websafe" && whole && number >= 0 && number < kWebSafeCellCount) {
        std::printf("%s\n", WebHex(webSafeCellColor(number)).c_str());
        return 0;
    }
    std::fputs("usage: orvane_e2e_expected scheme RRGGBB | websafe CELL\n", stderr);
    return 2;
}
