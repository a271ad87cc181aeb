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
        window_ = new FavoritesWindow(state_, [] { return kStartColor; });
        window_->placeAtStoredPosition();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
    }

    SwatchWidget* slot(int index) const
    {
        return window_->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(index));
    }
    QString label(int index) const
    {
        return window_->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(index))->text();
    }

    AppState state_;
    QPointer<FavoritesWindow> window_;
};

} // namespace

// Black is a colour, not an empty slot.
TEST_F(FavoritesWindowTest, SlotsFillChooseTakeDropsAndClear)
{
    state_.FavColors = {kPureRed, 0, kNoColor, kOrange, kNoColor};
    state_.PopupColor = kPureRed;
    open();
    EXPECT_EQ(label(1), "0.0.0\n#000000");
    EXPECT_EQ(label(2), kEmptyText);
    QSignalSpy chosen(window_.data(), &FavoritesWindow::colorChosenWithUndo);
    QSignalSpy popup(window_.data(), &FavoritesWindow::popupRequested);

    // A right click sets the popup colour and asks for the popup at the pointer.
    QTest::mouseClick(slot(1), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toPoint(), slot(1)->mapToGlobal(QPoint(5, 7)));

    // An empty slot is filled on the press and chosen on the release.
    QTest::mousePress(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(state_.FavColors[2], kStartColor);
    EXPECT_EQ(label(2), "51.35.231\n#3323E7");
    EXPECT_EQ(chosen.count(), 0);
    QTest::mouseRelease(slot(2), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kStartColor);

    // A drop from elsewhere, as the window system delivers it, copies the colour in; a slot
    // dropped on itself is chosen instead.
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(0), &drop);
    EXPECT_EQ(label(0), "255.128.0\n#FF8000");
    EXPECT_EQ(chosen.count(), 1);
    emit slot(3)->dropped(kOrange, true);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), kOrange);

    // A clear button empties only its own slot.
    QTest::mouseClick(window_->findChild<QToolButton*>("Command1_1"), Qt::LeftButton);
    EXPECT_EQ(state_.FavColors, (std::array<ColorValue, kFavoriteSlots>{
                                    kOrange, kNoColor, kStartColor, kOrange, kNoColor}));
    EXPECT_EQ(label(1), kEmptyText);
}

TEST_F(FavoritesWindowTest, KeepOnTopKeepsTheWindowInPlaceAndClosingStoresThePosition)
{
    open();
    window_->move(40, 60);
    for (bool onTop : {true, false}) {
        QTest::mouseClick(window_->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
        EXPECT_EQ(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_EQ(window_->pos(), QPoint(40, 60));
    }
    QSignalSpy closed(window_.data(), &FavoritesWindow::closed);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.FavoritesLeft, 600);
    EXPECT_EQ(state_.FavoritesTop, 900);
}

} // namespace orvane::test
