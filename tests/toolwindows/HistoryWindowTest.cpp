#include "toolwindows/HistoryWindow.h"

#include "core/AppState.h"
#include "core/UndoHistory.h"
#include "support/RecordingMessageBoxes.h"
#include "widgets/SwatchWidget.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace orvane::test {

namespace {

constexpr ColorValue kStartColor = 51 + 35 * 256 + 231 * 65536;
constexpr ColorValue kRed = 255;
constexpr ColorValue kGreen = 255 * 256;
constexpr ColorValue kBlue = 255 * 65536;

ColorValue nthColor(int n) { return MakeColor(n, 255 - n, (n * 7) % 256); }

class HistoryWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(state_);
        recordUndo(state_, kStartColor); // as start-up records the start colour
    }

    void TearDown() override
    {
        delete window_.data();
        delete other_;
    }

    void create() { window_ = new HistoryWindow(state_); }

    // Opens the window as the main window's toggle does and waits until it is active.
    void open()
    {
        create();
        window_->placeAtStoredPosition();
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    }

    // Another window of the program, to switch to and back from.
    QWidget* otherWindow()
    {
        if (other_ == nullptr) {
            other_ = new QWidget;
            other_->setWindowTitle(QStringLiteral("Form1"));
            other_->resize(100, 100);
        }
        return other_;
    }

    QComboBox* list() const { return window_->findChild<QComboBox*>(QStringLiteral("Combo1")); }
    SwatchWidget* preview() const
    {
        return window_->findChild<SwatchWidget*>(QStringLiteral("Picture1"));
    }
    QPushButton* selectButton() const
    {
        return window_->findChild<QPushButton*>(QStringLiteral("Command1"));
    }

    QStringList entries() const
    {
        QStringList texts;
        for (int index = 0; index < list()->count(); ++index)
            texts << list()->itemText(index);
        return texts;
    }

    AppState state_;
    QPointer<HistoryWindow> window_;
    QWidget* other_ = nullptr;
};

} // namespace

TEST_F(HistoryWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    open();
    EXPECT_EQ(window_->objectName(), "History");
    EXPECT_EQ(window_->windowTitle(), "History");
    ASSERT_NE(preview(), nullptr);
    ASSERT_NE(list(), nullptr);
    ASSERT_NE(selectButton(), nullptr);
    EXPECT_EQ(preview()->geometry(), QRect(16, 2, 80, 73));
    EXPECT_EQ(list()->geometry().topLeft(), QPoint(0, 80));
    EXPECT_EQ(list()->width(), 112);
    EXPECT_EQ(selectButton()->geometry(), QRect(0, 104, 112, 24));
    EXPECT_EQ(selectButton()->text(), "Select Color");
    EXPECT_FALSE(list()->accessibleName().isEmpty());
    EXPECT_FALSE(preview()->acceptDrops()); // a preview, not a drop target
    for (const QWidget* widget : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(window_->rect().contains(widget->geometry()))
            << widget->objectName().toStdString();
}

TEST_F(HistoryWindowTest, RightAfterStartUpTheStartColourIsListedAndSelected)
{
    open();
    EXPECT_EQ(entries(), QStringList{"51,35,231"});
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_EQ(list()->itemData(0).toInt(), kStartColor);
    EXPECT_EQ(preview()->color(), kStartColor);
    EXPECT_TRUE(preview()->accessibleName().endsWith("#3323E7"));
}

TEST_F(HistoryWindowTest, ListsTheRecordedColoursOldestFirstAndSelectsTheNewest)
{
    create();
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    recordUndo(state_, kBlue);
    window_->rebuildList();

    EXPECT_EQ(entries(), (QStringList{"51,35,231", "255,0,0", "0,255,0", "0,0,255"}));
    EXPECT_EQ(list()->itemData(1).toInt(), kRed);
    EXPECT_EQ(list()->itemData(3).toInt(), kBlue);
    EXPECT_EQ(list()->currentIndex(), 3);
    EXPECT_EQ(preview()->color(), kBlue);
}

TEST_F(HistoryWindowTest, AfterUndoTheRedoTailIsStillListedAndTheNewestSelected)
{
    create();
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    recordUndo(state_, kBlue);
    ASSERT_EQ(stepBack(state_), kGreen);
    ASSERT_EQ(stepBack(state_), kRed);
    window_->rebuildList();

    EXPECT_EQ(entries(), (QStringList{"51,35,231", "255,0,0", "0,255,0", "0,0,255"}));
    EXPECT_EQ(list()->currentIndex(), 3);
    EXPECT_EQ(preview()->color(), kBlue);
    EXPECT_EQ(state_.UndoPos, 2);
}

TEST_F(HistoryWindowTest, StopsAtTheFirstEmptySlotAndNeverListsSlotZero)
{
    create();
    state_.UndoColors.fill(kNoColor);
    state_.UndoColors[0] = kGreen;
    state_.UndoColors[1] = kRed;
    state_.UndoColors[2] = 0;
    state_.UndoColors[4] = kBlue; // beyond the gap
    window_->rebuildList();
    EXPECT_EQ(entries(), (QStringList{"255,0,0", "0,0,0"}));
    EXPECT_EQ(preview()->color(), 0);
}

TEST_F(HistoryWindowTest, AfterOverflowExactlyFiftyEntriesAreListed)
{
    create();
    for (int n = 1; n <= 60; ++n)
        recordUndo(state_, nthColor(n));
    window_->rebuildList();

    const QStringList texts = entries();
    ASSERT_EQ(texts.size(), 50);
    EXPECT_EQ(texts.front(), QString::fromStdString(CommaRgb(nthColor(11))));
    EXPECT_EQ(texts.back(), QString::fromStdString(CommaRgb(nthColor(60))));
    EXPECT_EQ(list()->currentIndex(), 49);
    EXPECT_EQ(preview()->color(), nthColor(60));

    // A full history in which every slot holds a colour also lists 50.
    recordUndo(state_, nthColor(61));
    window_->rebuildList();
    EXPECT_EQ(list()->count(), 50);
}

TEST_F(HistoryWindowTest, ChoosingAnEntryUpdatesThePreview)
{
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    open();
    ASSERT_EQ(list()->currentIndex(), 2);

    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(list()->currentIndex(), 1);
    EXPECT_EQ(preview()->color(), kRed);

    list()->setCurrentIndex(0);
    EXPECT_EQ(preview()->color(), kStartColor);
}

TEST_F(HistoryWindowTest, SelectColorHandsOnThePreviewAndLeavesTheHistoryAlone)
{
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    recordUndo(state_, kBlue);
    ASSERT_TRUE(stepBack(state_));
    open();
    const auto colorsBefore = state_.UndoColors;
    const auto positionBefore = state_.UndoPos;
    QSignalSpy chosen(window_.data(), &HistoryWindow::colorChosen);

    list()->setCurrentIndex(1);
    QTest::mouseClick(selectButton(), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kRed);
    EXPECT_EQ(state_.UndoColors, colorsBefore);
    EXPECT_EQ(state_.UndoPos, positionBefore);
    // The list stays as it was.
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->currentIndex(), 1);
}

TEST_F(HistoryWindowTest, FirstShowFillsTheList)
{
    create();
    recordUndo(state_, kRed); // recorded after the window was built, before it is shown
    window_->show();
    EXPECT_EQ(entries(), (QStringList{"51,35,231", "255,0,0"}));
    EXPECT_EQ(preview()->color(), kRed);
}

TEST_F(HistoryWindowTest, ComingBackFromAnotherWindowOfTheProgramRebuildsTheList)
{
    open();
    ASSERT_EQ(list()->count(), 1);

    otherWindow()->show();
    otherWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(otherWindow()));
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    // Not pushed: the list changes only when the window is activated.
    EXPECT_EQ(list()->count(), 1);

    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    EXPECT_EQ(entries(), (QStringList{"51,35,231", "255,0,0", "0,255,0"}));
    EXPECT_EQ(list()->currentIndex(), 2);
    EXPECT_EQ(preview()->color(), kGreen);
}

TEST_F(HistoryWindowTest, ComingBackFromAnotherProgramKeepsTheList)
{
    open();
    list()->setCurrentIndex(0);
    recordUndo(state_, kRed);

    // Another program takes the focus (no window of ours has it), then the user comes back.
    emit qGuiApp->focusWindowChanged(nullptr);
    emit qGuiApp->focusWindowChanged(window_->windowHandle());

    EXPECT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->currentIndex(), 0);
}

TEST_F(HistoryWindowTest, TheDropDownListDoesNotCountAsLeavingTheWindow)
{
    recordUndo(state_, kRed);
    recordUndo(state_, kGreen);
    open();

    list()->showPopup();
    QTest::qWait(20);
    recordUndo(state_, kBlue);
    list()->setCurrentIndex(0);
    list()->hidePopup();
    QTest::qWait(20);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));

    EXPECT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_EQ(preview()->color(), kStartColor);
}

TEST_F(HistoryWindowTest, ClosingStoresThePositionAndIsDeleted)
{
    open();
    window_->move(30, 45);
    QSignalSpy closed(window_.data(), &HistoryWindow::closed);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.HistoryLeft, 450);
    EXPECT_EQ(state_.HistoryTop, 675);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());
}

} // namespace orvane::test
