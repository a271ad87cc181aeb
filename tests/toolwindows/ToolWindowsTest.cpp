// SPDX-License-Identifier: MIT
#include "toolwindows/AboutWindow.h"
#include "toolwindows/FavoritesWindow.h"
#include "toolwindows/HarmoniesWindow.h"
#include "toolwindows/HistoryWindow.h"
#include "toolwindows/TipsWindow.h"

#include "core/AppState.h"
#include "core/TipsFile.h"
#include "core/UndoHistory.h"
#include "widgets/ColorMime.h"
#include "widgets/SwatchWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace orvane {
namespace {

constexpr ColorValue kStartColor = 51 + 35 * 256 + 231 * 65536; // #3323E7
constexpr ColorValue kOrange = 33023;                           // 255, 128, 0
using Squares = std::array<ColorValue, 3>;

// A colour offered by another program, as the platform hands it over; counts the requests for it.
class ForeignColorOffer : public QMimeData {
public:
    QStringList formats() const override { return {kColorMimeType, QStringLiteral("text/plain")}; }
    mutable int requests = 0;

protected:
    QVariant retrieveData(const QString&, QMetaType) const override
    {
        ++requests;
        return QByteArray::number(kOrange);
    }
};

TEST(AboutWindowTest, ClosesOnAClickOutsideTheLabelOrAfterThreeSeconds)
{
    // Runs the deletion that closing asks for and tells whether the window is gone.
    const auto gone = [](const QPointer<AboutWindow>& window) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    };
    QPointer<AboutWindow> window = new AboutWindow;
    window->show();
    QTest::mouseClick(window->findChild<QLabel*>("Label1"), Qt::LeftButton);
    EXPECT_FALSE(gone(window));
    QTest::mouseClick(window.data(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_TRUE(gone(window));

    window = new AboutWindow;
    window->show();
    auto* timer = window->findChild<QTimer*>("Timer1");
    EXPECT_TRUE(timer->isActive() && timer->interval() == 3000);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(gone(window));
    delete window.data();
}

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

// Black is a colour, not an empty slot.
TEST_F(FavoritesWindowTest, SlotsFillChooseTakeDropsAndClearAndKeepOnTopKeepsThePlace)
{
    state_.FavColors = {255, 0, kNoColor, kOrange, kNoColor};
    state_.PopupColor = 255;
    open();
    EXPECT_EQ(label(1), "0.0.0\n#000000");
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
    // Another program is never asked for the data it offers.
    ForeignColorOffer foreign;
    QDragEnterEvent foreignEnter(QPoint(5, 5), Qt::CopyAction, &foreign, Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(4), &foreignEnter);
    QDropEvent foreignDrop(QPointF(5, 5), Qt::CopyAction, &foreign, Qt::LeftButton, {});
    QCoreApplication::sendEvent(slot(4), &foreignDrop);
    EXPECT_FALSE(foreignEnter.isAccepted());
    EXPECT_EQ(foreign.requests, 0);
    EXPECT_EQ(state_.FavColors[4], kNoColor);
    emit slot(3)->dropped(kOrange, true);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), kOrange);

    // Enter fills an empty slot and chooses it as a click does; Shift+F10 asks for the popup at
    // the middle of the slot.
    QTest::keyClick(slot(4), Qt::Key_Return);
    EXPECT_EQ(state_.FavColors[4], kStartColor);
    EXPECT_EQ(chosen.count(), 3);
    QTest::keyClick(slot(3), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(state_.PopupColor, kOrange);
    EXPECT_EQ(popup.at(1).at(0).toPoint(), slot(3)->mapToGlobal(slot(3)->rect().center()));

    // A clear button empties only its own slot.
    QTest::mouseClick(window_->findChild<QToolButton*>("Command1_1"), Qt::LeftButton);
    EXPECT_EQ(state_.FavColors, (std::array<ColorValue, kFavoriteSlots>{
                                    kOrange, kNoColor, kStartColor, kOrange, kStartColor}));
    EXPECT_EQ(label(1), "...,...,...\n#......");

    // Changing the window flags hides a window; the box must bring it back where it was. Storing
    // the position on closing is checked through the main window.
    window_->move(40, 60);
    for (bool onTop : {true, false}) {
        QTest::mouseClick(window_->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
        EXPECT_EQ(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_EQ(window_->pos(), QPoint(40, 60));
    }
}

// Recognisable base colours show which slot each square reads; the colours of each kind are the
// harmony table's to check.
TEST(HarmoniesWindowTest, SquaresFollowTheChosenKindAndReHar)
{
    AppState state;
    SetDefaults(state);
    state.HarmonyColors = {100, 101, 102, 103, 104, 105, 106, 107};
    HarmoniesWindow window(state);
    const auto square = [&window](int index) {
        return window.findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(index));
    };
    const auto shown = [&square] {
        Squares colors{};
        for (int i = 0; i < 3; ++i)
            colors[i] = square(i)->isHidden() ? 0 : square(i)->color();
        return colors;
    };
    EXPECT_EQ(shown(), (Squares{100, 101, 0})) << "every opening starts with Complements";
    // One switch shows the third square, the next hides it again.
    auto* kinds = window.findChild<QComboBox*>("Combo1");
    const std::pair<int, Squares> rows[] = {{3, {106, 100, 107}}, {0, {100, 101, 0}}};
    for (const auto& [kind, colors] : rows) {
        kinds->setCurrentIndex(kind);
        EXPECT_EQ(shown(), colors) << kind;
    }
    // ReHar follows the shared colours, but keeps the squares while no kind is chosen.
    state.HarmonyColors = {200, 201, 202, 203, 204, 205, 206, 207};
    window.ReHar();
    EXPECT_EQ(shown(), (Squares{200, 201, 0}));
    kinds->setCurrentIndex(-1);
    state.HarmonyColors = {};
    window.ReHar();
    EXPECT_EQ(shown(), (Squares{200, 201, 0}));

    // From the keyboard: the arrows walk the diagonal and bring the square with the focus to the
    // front; Enter chooses it as a double click does.
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    square(1)->setFocus();
    QTest::keyClick(square(1), Qt::Key_Left);
    ASSERT_TRUE(square(0)->hasFocus());
    EXPECT_EQ(window.childAt(square(1)->geometry().topLeft() + QPoint(2, 2)), square(0));
    QSignalSpy chosen(&window, &HarmoniesWindow::colorChosenWithUndo);
    QTest::keyClick(square(0), Qt::Key_Space);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 200);
}

// Records the start colour as start-up does, then the given number of colours n, 1, 2, ...
AppState withHistory(int count)
{
    AppState state;
    SetDefaults(state);
    for (int n = 0; n <= count; ++n)
        recordUndo(state, n == 0 ? kStartColor : MakeColor(n, 255 - n, 0));
    return state;
}

// Undone colours stay listed and the newest is selected; how many the history keeps is its own
// rule. Select Color hands on the one chosen and leaves the history alone.
TEST(HistoryWindowTest, ListsTheRecordedColoursHandsOnTheOneSelectedAndRebuildsOnReturn)
{
    AppState state = withHistory(3);
    stepBack(state);
    stepBack(state);
    const AppState before = state;
    HistoryWindow window(state);
    auto* list = window.findChild<QComboBox*>("Combo1");
    auto* swatch = window.findChild<SwatchWidget*>("Picture1");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->itemData(0).toInt(), kStartColor);
    EXPECT_EQ(list->currentData().toInt(), MakeColor(3, 252, 0));
    EXPECT_EQ(swatch->color(), MakeColor(3, 252, 0));
    QSignalSpy chosen(&window, &HistoryWindow::colorChosenWithoutUndo);
    list->setCurrentIndex(1);
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), MakeColor(1, 254, 0));
    EXPECT_TRUE(state.UndoColors == before.UndoColors && state.UndoPos == before.UndoPos);

    // Only activation rebuilds, and only when another window of the program had the focus.
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    recordUndo(state, 255);
    emit qGuiApp->focusWindowChanged(nullptr); // another program had the focus
    emit qGuiApp->focusWindowChanged(window.windowHandle());
    EXPECT_EQ(list->count(), 4);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(2), "255,0,0");
    EXPECT_EQ(swatch->color(), 255);
}

const QString kNoTips = QStringLiteral("No tips are available: tips.txt is missing or empty.");

class TipsWindowTest : public testing::Test {
protected:
    void SetUp() override { SetDefaults(state_); }

    // Opens the window on tips.txt holding the text (none for nullptr), the random number fixed.
    TipsWindow& open(const char* text, double random)
    {
        std::filesystem::remove(path_);
        if (text)
            std::ofstream(path_, std::ios::binary) << text;
        window_ = std::make_unique<TipsWindow>(state_, path_, [random] { return random; });
        return *window_;
    }
    void click(const char* name) const
    {
        QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    QTemporaryDir folder_;
    std::filesystem::path path_ = folder_.filePath("tips.txt").toStdString();
    AppState state_;
    std::unique_ptr<TipsWindow> window_;
};

// Rows: file (nullptr: none), random number, steps ('>' Next, '<' Previous), tip shown. The
// first tip is the random number times the last index, rounded half to even.
TEST_F(TipsWindowTest, WalksThroughTheFileCutsAHugeLineShortAndRefusesAHugeFile)
{
    const std::tuple<const char*, double, const char*, QString> cases[] = {
        {"A\r\nB\r\nC\r\n", 0.99, "><", "C"}, // wraps forwards and back
        {"A\r\nB\r\nC\r\n", 0.25, "", "A"},   // 0.5 rounds to 0
        {"A\r\nB\r\nC\r\n", 0.75, "", "C"},   // 1.5 rounds to 2
        {nullptr, 0.99, ">", kNoTips},        {"", 0.5, "<", kNoTips},
    };
    for (const auto& [file, random, steps, expected] : cases) {
        TipsWindow& tips = open(file, random);
        for (const char* step = steps; *step; ++step)
            click(*step == '>' ? "Command2" : "Command1");
        EXPECT_EQ(tips.currentTip(), expected) << random << steps;
    }
    // A huge line without spaces would take minutes to lay out; it is shown cut short, and the
    // tips after it are whole.
    TipsWindow& tips = open((std::string(400000, 'x') + "\nshort tip\n").c_str(), 0);
    EXPECT_EQ(tips.currentTip(), QString(4000, 'x'));
    click("Command2");
    EXPECT_EQ(tips.currentTip(), "short tip");
    EXPECT_EQ(open(std::string(kTipsFileLimit + 1, '\n').c_str(), 0).currentTip(),
              "No tips are available: tips.txt is larger than 1 MB.");
}

// Only a clear box turns the tips off; a greyed one counts as ticked.
TEST_F(TipsWindowTest, StartUpBoxIsStoredHoweverTheWindowCloses)
{
    using Close = void (*)(TipsWindow&);
    const std::tuple<Qt::CheckState, Close, Flag16> cases[] = {
        {Qt::Unchecked, [](TipsWindow& w) { w.reject(); }, kFlagFalse},
        {Qt::Checked, [](TipsWindow& w) { w.close(); }, kFlagTrue},
        {Qt::PartiallyChecked, [](TipsWindow& w) { w.accept(); }, kFlagTrue},
    };
    for (const auto& [box, close, expected] : cases) {
        state_.ShowTipsAtStart = expected == kFlagTrue ? kFlagFalse : kFlagTrue;
        open("A tip", 0).show();
        window_->findChild<QCheckBox*>("Check1")->setCheckState(box);
        close(*window_);
        EXPECT_EQ(state_.ShowTipsAtStart, expected) << box;
    }
}

} // namespace
} // namespace orvane
