#include "toolwindows/HarmoniesWindow.h"

#include "colour/Scheme.h"
#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <QPointer>
#include <gtest/gtest.h>

namespace orvane {
namespace {

const ColorValue kRed = MakeColor(255, 0, 0);
const ColorValue kCyan = MakeColor(0, 255, 255);
const ColorValue kGreen = MakeColor(0, 255, 0);
const ColorValue kBlue = MakeColor(0, 0, 255);

class HarmoniesWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(state_);
        setCurrent(255, 0, 0);
        window_ = new HarmoniesWindow(state_);
        window_->show();
    }
    void TearDown() override { delete window_.data(); }

    // What the main window does on every colour change.
    void setCurrent(int red, int green, int blue)
    {
        ColorWorkspace ws;
        ws.setCurrent(red, green, blue);
        state_.HarmonyColors = harmonyBaseColors(deriveScheme(ws, SchemeMode::ColorWheel));
    }

    QComboBox* kinds() const { return window_->findChild<QComboBox*>("Combo1"); }
    SwatchWidget* square(int index) const
    {
        return window_->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(index));
    }
    std::array<ColorValue, 3> colors() const
    {
        return {square(0)->color(), square(1)->color(), square(2)->color()};
    }
    bool thirdShown() const { return !square(2)->isHidden(); }

    AppState state_;
    QPointer<HarmoniesWindow> window_;
};

// The order makes switches both hide and show the third square.
TEST_F(HarmoniesWindowTest, PureRedInEachKind)
{
    struct Case {
        int kind;
        std::array<ColorValue, 3> colors;
        bool third;
    };
    const Case cases[] = {
        {1, {kRed, MakeColor(0, 255, 128), MakeColor(0, 128, 255)}, true},
        {0, {kRed, kCyan, {}}, false},
        {3, {MakeColor(255, 0, 128), kRed, MakeColor(255, 128, 0)}, true},
        {2, {kRed, kGreen, kBlue}, true},
        {0, {kRed, kCyan, {}}, false},
    };
    for (const Case& c : cases) {
        kinds()->setCurrentIndex(c.kind);
        EXPECT_EQ(square(0)->color(), c.colors[0]) << c.kind;
        EXPECT_EQ(square(1)->color(), c.colors[1]) << c.kind;
        EXPECT_EQ(c.third ? square(2)->color() : ColorValue{}, c.colors[2]) << c.kind;
        EXPECT_EQ(thirdShown(), c.third) << c.kind;
    }
}

TEST_F(HarmoniesWindowTest, ReHarFollowsTheColoursUnlessNoKindIsChosen)
{
    kinds()->setCurrentIndex(2);
    setCurrent(0, 0, 255);
    window_->ReHar();
    EXPECT_EQ(colors(), (std::array{kBlue, kRed, kGreen}));

    kinds()->setCurrentIndex(-1);
    setCurrent(128, 128, 128);
    window_->ReHar();
    EXPECT_EQ(colors(), (std::array{kBlue, kRed, kGreen}));
    EXPECT_TRUE(thirdShown());
}

} // namespace
} // namespace orvane
