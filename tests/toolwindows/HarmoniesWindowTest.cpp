#include "toolwindows/HarmoniesWindow.h"

#include "colour/Scheme.h"
#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace orvane
{
namespace
{

const ColorValue kRed = MakeColor(255, 0, 0);
const ColorValue kCyan = MakeColor(0, 255, 255);
const ColorValue kGreen = MakeColor(0, 255, 0);
const ColorValue kBlue = MakeColor(0, 0, 255);

// The whole sequence a user's double click makes: press, release, double click, release.
void doubleClick(QWidget* widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button);
    QTest::mouseDClick(widget, button);
    QTest::mouseRelease(widget, button);
}

class HarmoniesWindowTest : public testing::Test
{
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

TEST_F(HarmoniesWindowTest, LayoutAndNames)
{
    EXPECT_EQ(window_->windowTitle(), "Harmonies");
    EXPECT_EQ(window_->objectName(), "Harmonies");
    EXPECT_EQ(window_->minimumSize(), QSize(112, 129));
    EXPECT_EQ(window_->maximumSize(), QSize(112, 129));
    EXPECT_EQ(kinds()->geometry(), QRect(0, 0, 112, 21));
    ASSERT_EQ(kinds()->count(), 4);
    EXPECT_EQ(kinds()->itemText(0), "Complements");
    EXPECT_EQ(kinds()->itemText(1), "Split-Complements");
    EXPECT_EQ(kinds()->itemText(2), "Triad");
    EXPECT_EQ(kinds()->itemText(3), "Analogous");
    EXPECT_EQ(square(0)->geometry(), QRect(10, 29, 42, 42));
    EXPECT_EQ(square(1)->geometry(), QRect(34, 53, 42, 42));
    EXPECT_EQ(square(2)->geometry(), QRect(58, 77, 42, 42));
    EXPECT_FALSE(kinds()->accessibleName().isEmpty());

    // Each square lies over the one before it.
    kinds()->setCurrentIndex(2);
    EXPECT_EQ(window_->childAt(40, 60), square(1));
    EXPECT_EQ(window_->childAt(64, 84), square(2));
}

TEST_F(HarmoniesWindowTest, PureRedInEachKind)
{
    EXPECT_EQ(kinds()->currentIndex(), 0);
    EXPECT_EQ(square(0)->color(), kRed);
    EXPECT_EQ(square(1)->color(), kCyan);
    EXPECT_FALSE(thirdShown());

    kinds()->setCurrentIndex(1);
    EXPECT_EQ(colors(), (std::array{kRed, MakeColor(0, 255, 128), MakeColor(0, 128, 255)}));
    EXPECT_TRUE(thirdShown());

    kinds()->setCurrentIndex(3);
    EXPECT_EQ(colors(), (std::array{MakeColor(255, 0, 128), kRed, MakeColor(255, 128, 0)}));
    EXPECT_TRUE(thirdShown());

    kinds()->setCurrentIndex(2);
    EXPECT_EQ(colors(), (std::array{kRed, kGreen, kBlue}));
    EXPECT_TRUE(thirdShown());

    kinds()->setCurrentIndex(0);
    EXPECT_EQ(square(0)->color(), kRed);
    EXPECT_EQ(square(1)->color(), kCyan);
    EXPECT_FALSE(thirdShown());

    kinds()->setCurrentIndex(2);
    EXPECT_EQ(colors(), (std::array{kRed, kGreen, kBlue}));
    EXPECT_TRUE(thirdShown());
    EXPECT_TRUE(square(2)->accessibleName().endsWith("#0000FF"));
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

TEST_F(HarmoniesWindowTest, EveryOpeningStartsWithComplements)
{
    kinds()->setCurrentIndex(2);
    window_->close();
    delete window_.data();

    window_ = new HarmoniesWindow(state_);
    window_->show();
    EXPECT_EQ(kinds()->currentIndex(), 0);
    EXPECT_EQ(square(1)->color(), kCyan);
    EXPECT_FALSE(thirdShown());
}

TEST_F(HarmoniesWindowTest, DoubleClickChoosesTheSquaresColour)
{
    QSignalSpy chosen(window_.data(), &HarmoniesWindow::colorChosen);
    doubleClick(square(1), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<ColorValue>(), kCyan);

    doubleClick(square(0), Qt::MiddleButton);
    EXPECT_EQ(chosen.count(), 1) << "only the left button chooses";
}

TEST_F(HarmoniesWindowTest, HoverShowsTheHexCode)
{
    // Each move goes somewhere new, so the pointer really moves whatever an earlier test left.
    QTest::mouseMove(square(0), QPoint(5, 5));
    QTest::mouseMove(square(1), QPoint(5, 5));
    EXPECT_EQ(square(1)->toolTip(), "#00FFFF");
    QTest::mouseMove(square(0), QPoint(5, 5));
    EXPECT_EQ(square(0)->toolTip(), "#FF0000");
}

TEST_F(HarmoniesWindowTest, LeftClickBringsASquareToTheFront)
{
    kinds()->setCurrentIndex(2);
    const auto before = colors();
    const QPoint overlap01(40, 60);
    ASSERT_EQ(window_->childAt(overlap01), square(1));

    QTest::mouseClick(square(0), Qt::LeftButton);
    EXPECT_EQ(window_->childAt(overlap01), square(0));
    EXPECT_EQ(colors(), before);
    EXPECT_EQ(window_->childAt(64, 84), square(2)) << "the others keep their order";
}

TEST_F(HarmoniesWindowTest, RightClickAsksForThePopupOnTheSquaresColour)
{
    QSignalSpy popup(window_.data(), &HarmoniesWindow::popupRequested);
    QTest::mouseClick(square(1), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, kCyan);
    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toPoint(), square(1)->mapToGlobal(QPoint(5, 7)));

    state_.PopupColor = 0;
    QTest::mouseClick(square(0), Qt::MiddleButton);
    EXPECT_EQ(popup.count(), 1);
    EXPECT_EQ(state_.PopupColor, 0);
}

TEST_F(HarmoniesWindowTest, ClosingStoresThePositionAndSaysSo)
{
    QSignalSpy closed(window_.data(), &HarmoniesWindow::closed);
    window_->move(40, 60);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.HarmoniesLeft, 600);
    EXPECT_EQ(state_.HarmoniesTop, 900);
}

} // namespace
} // namespace orvane
