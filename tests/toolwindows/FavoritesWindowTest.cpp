#include "toolwindows/FavoritesWindow.h"

#include "core/AppState.h"
#include "widgets/ColorMime.h"
#include "widgets/SwatchWidget.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace orvane::test {

namespace {

constexpr ColorValue kStartColor = 51 + 35 * 256 + 231 * 65536;
constexpr ColorValue kOrange = 33023; // 255, 128, 0
constexpr ColorValue kPureRed = 255;
const QString kEmptyText = QStringLiteral("...,...,...\n#......");

class FavoritesWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(state_); }
    void TearDown() override { delete window_.data(); }

    // Opens the window as the main window's toggle does: placed at its stored position, shown.
    void open()
    {
        window_ = new FavoritesWindow(state_, [this] { return current_; });
        window_->placeAtStoredPosition();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
        chosen_ =
            std::make_unique<QSignalSpy>(window_.data(), &FavoritesWindow::colorChosenWithUndo);
    }

    SwatchWidget* slot(int index) const
    {
        return window_->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(index));
    }
    QString label(int index) const
    {
        return window_->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(index))->text();
    }
    QCheckBox* keepOnTop() const { return window_->findChild<QCheckBox*>("Check1"); }

    AppState state_;
    ColorValue current_ = kStartColor;
    QPointer<FavoritesWindow> window_;
    std::unique_ptr<QSignalSpy> chosen_;
};

} // namespace

TEST_F(FavoritesWindowTest, BlackIsAColourNotAnEmptySlot)
{
    state_.FavColors = {kOrange, kNoColor, 0, kPureRed, kNoColor};
    open();
    EXPECT_EQ(label(1), kEmptyText);
    EXPECT_EQ(slot(2)->color(), 0);
    EXPECT_EQ(label(2), "0.0.0\n#000000");
}

TEST_F(FavoritesWindowTest, PressOnAnEmptySlotFillsItAndReleaseChoosesIt)
{
    open();
    QTest::mousePress(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(state_.FavColors[2], kStartColor) << "filled before the button comes up";
    EXPECT_EQ(label(2), "51.35.231\n#3323E7");
    EXPECT_EQ(chosen_->count(), 0);

    QTest::mouseRelease(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(chosen_->count(), 1);
    EXPECT_EQ(chosen_->at(0).at(0).toInt(), kStartColor);
}

TEST_F(FavoritesWindowTest, RightClickSetsThePopupColourAndAsksForThePopupAtThePointer)
{
    state_.FavColors[4] = 0;
    state_.PopupColor = kPureRed;
    open();
    QSignalSpy popup(window_.data(), &FavoritesWindow::popupRequested);
    QTest::mouseClick(slot(4), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toPoint(), slot(4)->mapToGlobal(QPoint(5, 7)));
}

// A drop from elsewhere copies the colour in; a slot dropped on itself is chosen instead.
TEST_F(FavoritesWindowTest, DropCopiesButDropOnItselfChooses)
{
    state_.FavColors = {kPureRed, kNoColor, kNoColor, kOrange, kNoColor};
    open();
    // A drop as the window system delivers it; its source is not this slot.
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &drop);
    EXPECT_EQ(state_.FavColors[0], kOrange);
    EXPECT_EQ(label(0), "255.128.0\n#FF8000");
    EXPECT_EQ(state_.FavColors[3], kOrange);
    EXPECT_EQ(chosen_->count(), 0);

    emit slot(3)->dropped(kOrange, true);
    EXPECT_EQ(state_.FavColors[3], kOrange);
    ASSERT_EQ(chosen_->count(), 1);
    EXPECT_EQ(chosen_->at(0).at(0).toInt(), kOrange);
}

TEST_F(FavoritesWindowTest, ClearButtonEmptiesOnlyItsSlot)
{
    state_.FavColors = {kPureRed, 0, kOrange, kNoColor, kNoColor};
    open();
    QTest::mouseClick(window_->findChild<QToolButton*>("Command1_1"), Qt::LeftButton);
    EXPECT_EQ(state_.FavColors, (std::array<ColorValue, kFavoriteSlots>{kPureRed, kNoColor, kOrange,
                                                                        kNoColor, kNoColor}));
    EXPECT_EQ(label(1), kEmptyText);
}

TEST_F(FavoritesWindowTest, KeepOnTopKeepsTheWindowWhereItIsAndVisible)
{
    open();
    const QPoint where = window_->pos();
    for (bool onTop : {true, false}) {
        QTest::mouseClick(keepOnTop(), Qt::LeftButton);
        EXPECT_EQ(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_EQ(window_->pos(), where);
    }
}

TEST_F(FavoritesWindowTest, ClosingStoresThePosition)
{
    open();
    window_->move(40, 60);
    QSignalSpy closed(window_.data(), &FavoritesWindow::closed);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.FavoritesLeft, 600);
    EXPECT_EQ(state_.FavoritesTop, 900);
}

} // namespace orvane::test
