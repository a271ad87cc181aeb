#include "toolwindows/FavoritesWindow.h"

#include "core/AppState.h"
#include "support/RecordingMessageBoxes.h"
#include "widgets/ColorMime.h"
#include "widgets/SwatchWidget.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFontMetrics>
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
constexpr ColorValue kEmptyGrey = 0xE0E0E0;
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
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    SwatchWidget* slot(int index) const
    {
        return child<SwatchWidget>(QStringLiteral("Picture1_%1").arg(index));
    }
    QLabel* label(int index) const { return child<QLabel>(QStringLiteral("Label1_%1").arg(index)); }
    QToolButton* clearButton(int index) const
    {
        return child<QToolButton>(QStringLiteral("Command1_%1").arg(index));
    }
    QCheckBox* keepOnTop() const { return child<QCheckBox>(QStringLiteral("Check1")); }

    void storeAndShow(int index, ColorValue color)
    {
        state_.FavColors[index] = color;
        window_->SetFavX(index);
    }

    AppState state_;
    ColorValue current_ = kStartColor;
    QPointer<FavoritesWindow> window_;
};

} // namespace

TEST_F(FavoritesWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    open();
    EXPECT_EQ(window_->objectName(), "Favorites");
    EXPECT_EQ(window_->windowTitle(), "Favorites");
    for (int index = 0; index < kFavoriteSlots; ++index) {
        EXPECT_EQ(slot(index)->geometry(), QRect(22, 64 * index, 37, 37));
        EXPECT_EQ(clearButton(index)->geometry(), QRect(62, 64 * index, 14, 14));
        EXPECT_EQ(label(index)->geometry(), QRect(0, 64 * index + 40, 80, 24));
        EXPECT_FALSE(clearButton(index)->icon().isNull());
        EXPECT_FALSE(clearButton(index)->accessibleName().isEmpty());
        EXPECT_EQ(label(index)->font().styleHint(), QFont::TypeWriter);
        // The widest value fits its label in two lines.
        const QFontMetrics metrics(label(index)->font());
        EXPECT_LE(metrics.horizontalAdvance("255.255.255"), label(index)->width());
        EXPECT_LE(2 * metrics.lineSpacing(), label(index)->height());
    }
    EXPECT_EQ(keepOnTop()->geometry(), QRect(2, 2, 17, 17));
    EXPECT_TRUE(keepOnTop()->text().isEmpty());
    EXPECT_FALSE(keepOnTop()->toolTip().isEmpty());
    EXPECT_FALSE(keepOnTop()->accessibleName().isEmpty());
    // Every control lies inside the window.
    for (const QWidget* widget : window_->findChildren<QWidget*>())
        EXPECT_TRUE(window_->rect().contains(widget->geometry()))
            << widget->objectName().toStdString();
}

TEST_F(FavoritesWindowTest, OpeningShowsEveryStoredSlot)
{
    state_.FavColors = {kOrange, kNoColor, 0, kPureRed, kNoColor};
    open();

    EXPECT_EQ(slot(0)->color(), kOrange);
    EXPECT_EQ(label(0)->text(), "255.128.0\n#FF8000");
    EXPECT_EQ(slot(1)->color(), kEmptyGrey);
    EXPECT_EQ(label(1)->text(), kEmptyText);
    // Black is a colour, not an empty slot.
    EXPECT_EQ(slot(2)->color(), 0);
    EXPECT_EQ(label(2)->text(), "0.0.0\n#000000");
    EXPECT_EQ(label(3)->text(), "255.0.0\n#FF0000");
    EXPECT_EQ(label(4)->text(), kEmptyText);

    EXPECT_EQ(slot(0)->accessibleName(), "Favorite 1, #FF8000");
    EXPECT_TRUE(slot(1)->accessibleName().startsWith("Favorite 2"));
    EXPECT_FALSE(slot(1)->accessibleName().contains("#E0E0E0"));

    // The window reads the favourites and changes none of them.
    EXPECT_EQ(state_.FavColors[1], kNoColor);
    EXPECT_EQ(state_.FavColors[4], kNoColor);
}

TEST_F(FavoritesWindowTest, SetFavXRedrawsOneSlotFromTheState)
{
    open();
    state_.FavColors[3] = 0;
    state_.FavColors[4] = kOrange; // changed, but not yet redrawn
    window_->SetFavX(3);
    EXPECT_EQ(slot(3)->color(), 0);
    EXPECT_EQ(label(3)->text(), "0.0.0\n#000000");
    EXPECT_EQ(slot(3)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label(4)->text(), kEmptyText);

    state_.FavColors[3] = kNoColor;
    window_->SetFavX(3);
    EXPECT_EQ(slot(3)->color(), kEmptyGrey);
    EXPECT_EQ(label(3)->text(), kEmptyText);
    EXPECT_EQ(slot(3)->cursor().shape(), Qt::ArrowCursor);

    window_->SetFavX(4);
    EXPECT_EQ(label(4)->text(), "255.128.0\n#FF8000");
}

TEST_F(FavoritesWindowTest, PointerShowsAHandOnlyOverAFilledSlot)
{
    state_.FavColors[1] = kPureRed;
    open();
    QTest::mouseMove(slot(1), QPoint(10, 10));
    EXPECT_EQ(slot(1)->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(slot(2), QPoint(10, 10));
    EXPECT_EQ(slot(2)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FavoritesWindowTest, PressOnAnEmptySlotFillsItAndReleaseChoosesIt)
{
    open();
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosen);

    QTest::mousePress(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    // Filled before the button comes up.
    EXPECT_EQ(state_.FavColors[2], kStartColor);
    EXPECT_EQ(slot(2)->color(), kStartColor);
    EXPECT_EQ(label(2)->text(), "51.35.231\n#3323E7");
    EXPECT_EQ(chosen.count(), 0);

    QTest::mouseRelease(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kStartColor);
    for (int other : {0, 1, 3, 4})
        EXPECT_EQ(state_.FavColors[other], kNoColor);
}

TEST_F(FavoritesWindowTest, LeftClickOnAFilledSlotChoosesItsColour)
{
    state_.FavColors[1] = kOrange;
    open();
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosen);
    QSignalSpy popup(window_.data(), &FavoritesWindow::popupRequested);

    QTest::mouseClick(slot(1), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kOrange);
    EXPECT_EQ(state_.FavColors[1], kOrange); // not replaced by the current colour
    EXPECT_EQ(popup.count(), 0);

    // Other buttons do nothing on release.
    QTest::mouseClick(slot(1), Qt::MiddleButton);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(popup.count(), 0);
}

TEST_F(FavoritesWindowTest, RightClickSetsThePopupColourAndAsksForThePopupAtThePointer)
{
    state_.FavColors[4] = 0;
    state_.PopupColor = kPureRed;
    open();
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosen);
    QSignalSpy popup(window_.data(), &FavoritesWindow::popupRequested);

    QTest::mouseClick(slot(4), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toPoint(), slot(4)->mapToGlobal(QPoint(5, 7)));
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(FavoritesWindowTest, RightClickOnAnEmptySlotFillsItFirst)
{
    open();
    QSignalSpy popup(window_.data(), &FavoritesWindow::popupRequested);
    QTest::mouseClick(slot(0), Qt::RightButton);
    EXPECT_EQ(state_.FavColors[0], kStartColor);
    EXPECT_EQ(state_.PopupColor, kStartColor);
    EXPECT_EQ(popup.count(), 1);
}

TEST_F(FavoritesWindowTest, DroppingAColourFromElsewhereCopiesItAndKeepsTheSource)
{
    state_.FavColors[3] = kOrange;
    open();
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosen);

    // A drop as the window system delivers it; its source is not this slot.
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &drop);

    EXPECT_EQ(state_.FavColors[0], kOrange);
    EXPECT_EQ(label(0)->text(), "255.128.0\n#FF8000");
    EXPECT_EQ(state_.FavColors[3], kOrange);
    EXPECT_EQ(label(3)->text(), "255.128.0\n#FF8000");
    EXPECT_EQ(chosen.count(), 0);

    // A drop overwrites a filled slot too.
    emit slot(0)->dropped(kPureRed, false);
    EXPECT_EQ(state_.FavColors[0], kPureRed);
    EXPECT_EQ(label(0)->text(), "255.0.0\n#FF0000");
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(FavoritesWindowTest, DroppingASlotOnItselfChoosesIt)
{
    state_.FavColors[3] = kOrange;
    open();
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosen);
    emit slot(3)->dropped(kOrange, true);
    EXPECT_EQ(state_.FavColors[3], kOrange);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kOrange);
}

TEST_F(FavoritesWindowTest, ClearButtonEmptiesItsSlotWithoutAsking)
{
    state_.FavColors = {kPureRed, 0, kOrange, kNoColor, kNoColor};
    open();
    QTest::mouseClick(clearButton(1), Qt::LeftButton);
    EXPECT_EQ(state_.FavColors[1], kNoColor);
    EXPECT_EQ(slot(1)->color(), kEmptyGrey);
    EXPECT_EQ(label(1)->text(), kEmptyText);
    EXPECT_EQ(slot(1)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(state_.FavColors[0], kPureRed);
    EXPECT_EQ(state_.FavColors[2], kOrange);

    // Clearing an empty slot leaves it empty.
    QTest::mouseClick(clearButton(3), Qt::LeftButton);
    EXPECT_EQ(state_.FavColors[3], kNoColor);
}

TEST_F(FavoritesWindowTest, KeepOnTopKeepsTheWindowWhereItIsAndVisible)
{
    open();
    EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(keepOnTop()->isChecked());
    const QPoint where = window_->pos();

    QTest::mouseClick(keepOnTop(), Qt::LeftButton);
    EXPECT_TRUE(keepOnTop()->isChecked());
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->pos(), where);

    QTest::mouseClick(keepOnTop(), Qt::LeftButton);
    EXPECT_FALSE(keepOnTop()->isChecked());
    EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->pos(), where);

    // Not stored: a window opened afresh is not on top.
    QTest::mouseClick(keepOnTop(), Qt::LeftButton);
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open();
    EXPECT_FALSE(keepOnTop()->isChecked());
    EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(FavoritesWindowTest, ClosingStoresThePositionAndIsDeleted)
{
    open();
    QSignalSpy closed(window_.data(), &FavoritesWindow::closed);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    // An untouched window stores exactly the twips it was placed at.
    EXPECT_EQ(state_.FavoritesLeft, 500);
    EXPECT_EQ(state_.FavoritesTop, 500);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());

    open();
    window_->move(40, 60);
    QSignalSpy closedAgain(window_.data(), &FavoritesWindow::closed);
    window_->close();
    EXPECT_EQ(closedAgain.count(), 1);
    EXPECT_EQ(state_.FavoritesLeft, 600);
    EXPECT_EQ(state_.FavoritesTop, 900);
}

TEST_F(FavoritesWindowTest, ClosingLeavesTheFavouritesAlone)
{
    state_.FavColors = {kPureRed, kNoColor, 0, kNoColor, kOrange};
    const auto before = state_.FavColors;
    open();
    window_->close();
    EXPECT_EQ(state_.FavColors, before);
}

} // namespace orvane::test
