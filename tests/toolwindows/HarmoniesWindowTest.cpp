#include "toolwindows/HarmoniesWindow.h"

#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using Squares = std::array<ColorValue, 3>;

// Recognisable base colours show which slot each square reads; the colours of each kind are the
// harmony table's to check.
TEST(HarmoniesWindowTest, SquaresFollowTheChosenKindAndReHar)
{
    AppState state;
    SetDefaults(state);
    state.HarmonyColors = {100, 101, 102, 103, 104, 105, 106, 107};
    HarmoniesWindow window(state);
    window.show();
    const auto shown = [&window] {
        Squares colors{};
        for (int i = 0; i < 3; ++i) {
            auto* square = window.findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(i));
            colors[i] = square->isHidden() ? 0 : square->color();
        }
        return colors;
    };
    EXPECT_EQ(shown(), (Squares{100, 101, 0})) << "every opening starts with Complements";
    // The order makes switches both hide and show the third square.
    auto* kinds = window.findChild<QComboBox*>("Combo1");
    for (const auto& [kind, colors] : {std::pair{1, Squares{100, 102, 103}},
                                       {0, Squares{100, 101, 0}},
                                       {3, Squares{106, 100, 107}},
                                       {2, Squares{100, 104, 105}}}) {
        kinds->setCurrentIndex(kind);
        EXPECT_EQ(shown(), colors) << kind;
    }
    // ReHar follows the shared colours, but keeps the squares while no kind is chosen.
    state.HarmonyColors = {200, 201, 202, 203, 204, 205, 206, 207};
    window.ReHar();
    EXPECT_EQ(shown(), (Squares{200, 204, 205}));
    kinds->setCurrentIndex(-1);
    state.HarmonyColors = {};
    window.ReHar();
    EXPECT_EQ(shown(), (Squares{200, 204, 205}));
}

} // namespace
} // namespace orvane
