// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "toolwindows/ScreenPickerWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace orvane::test {

TEST_F(MainWindowTest, AdjustCommandsFromMenuAndToolbarRecordEachStep)
{
    // A step records even where it changes nothing, as Saturate on pure red does.
    const std::tuple<const char*, ColorValue, ColorValue> rows[] = {
        {"Lighten", MakeColor(240, 10, 255), MakeColor(255, 40, 255)},
        {"Toolbar1_8", MakeColor(255, 40, 255), MakeColor(255, 70, 255)},
        {"Darken", MakeColor(20, 100, 0), MakeColor(0, 70, 0)},
        {"Toolbar1_9", MakeColor(0, 70, 0), MakeColor(0, 40, 0)},
        {"Saturate", MakeColor(128, 128, 128), MakeColor(134, 122, 122)},
        {"Toolbar1_10", MakeColor(255, 0, 0), MakeColor(255, 0, 0)},
        {"Desaturate", MakeColor(200, 100, 100), MakeColor(195, 105, 105)},
        {"Toolbar1_11", MakeColor(134, 122, 122), MakeColor(128, 128, 128)},
        {"Make_Websafe", MakeColor(25, 127, 230), MakeColor(0, 102, 255)},
        {"Toolbar1_7", MakeColor(26, 76, 77), MakeColor(51, 51, 102)},
    };
    for (const auto& [command, from, to] : rows) {
        const RgbChannels c = SplitColor(from);
        window_->SetAll(c.red, c.green, c.blue, false);
        const int undoPos = state_.UndoPos;
        action(command)->trigger();
        EXPECT_EQ(WebHex(window_->currentColor()), WebHex(to)) << command;
        EXPECT_EQ(state_.UndoPos, undoPos + 1) << command;
    }
}

TEST_F(MainWindowTest, SchemeModesSwitchTheSwatchesAndTheWheelFrame)
{
    auto* frame = window_->findChild<QFrame*>("Frame1");
    window_->SetAll(0, 0, 0, false);
    action("Group_By_Color")->trigger();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(state_.UndoPos, 3) << "switching the mode re-applies the colour";
    // Black in groups steps lighter, where the wheel shows a black ring.
    EXPECT_EQ(WebHex(window_->swatch(1)->color()), "161616");
    EXPECT_EQ(state_.HarmonyColors[1], window_->swatch(6)->color());

    action("RGB_Color_Wheel")->trigger();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(window_->swatch(1)->color(), 0) << "a black ring in wheel mode";
}

TEST_F(MainWindowTest, AddToFavoritesFillsTheFirstHoleAndReportsAFullPalette)
{
    state_.FavColors = {0x102030, kNoColor, 0, kNoColor, kNoColor};
    action("Add_to_Favorites")->trigger();
    EXPECT_EQ(state_.FavColors[1], MakeColor(51, 35, 231));
    state_.FavColors = {1, 2, 3, 4, 0};
    action("Add_to_Favorites")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "Your palette is full!");
    EXPECT_EQ(state_.FavColors, (std::array<ColorValue, 5>{1, 2, 3, 4, 0}));
}

TEST_F(MainWindowTest, TheScreenPickerChangesNothingWhenLeftOrRefused)
{
    grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
    grabber_.picture.fill(QColor(10, 20, 30));
    // Escape leaves everything as it was: an earlier pick is not applied again. The picker is
    // modal, so the key is sent as soon as it is up.
    state_.PickedColor = MakeColor(200, 100, 50);
    QTimer::singleShot(0, [] {
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(QApplication::activeModalWidget()))
            QTest::keyClick(picker, Qt::Key_Escape);
    });
    action("Toolbar1_6")->trigger();
    EXPECT_EQ(grabber_.grabs, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(state_.UndoPos, 1);

    // A refused capture is reported instead of showing a frozen black screen; F3 pressed again
    // while the desktop is asked starts no second request.
    grabber_.picture = QImage();
    grabber_.whileGrabbing = [this] { action("Screen_Color_Picker")->trigger(); };
    action("Screen_Color_Picker")->trigger();
    EXPECT_EQ(grabber_.grabs, 2);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("picture of the screen"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The desktop's picker picks as the frozen screen does; only a missing answer is reported.
TEST_F(MainWindowTest, TheDesktopsPickerPicksLikeTheFrozenScreen)
{
    using Outcome = DesktopColorPick::Outcome;
    grabber_.desktopPick = {Outcome::Picked, MakeColor(10, 20, 30)};
    action("Screen_Color_Picker")->trigger();
    EXPECT_EQ(window_->currentColor(), MakeColor(10, 20, 30));
    EXPECT_EQ(state_.PickedColor, MakeColor(10, 20, 30));
    EXPECT_EQ(state_.UndoPos, 2);
    EXPECT_EQ(grabber_.grabs, 0) << "no snapshot is needed";

    for (const Outcome outcome : {Outcome::Cancelled, Outcome::NoAnswer}) {
        grabber_.desktopPick = {outcome, MakeColor(200, 100, 50)};
        action("Screen_Color_Picker")->trigger();
        EXPECT_EQ(window_->currentColor(), MakeColor(10, 20, 30));
        EXPECT_EQ(state_.UndoPos, 2);
    }
    ASSERT_EQ(messages_.shown.size(), 1u) << "only the missing answer is reported";
    EXPECT_TRUE(messages_.shown[0].text.contains("picture of the screen"));
}

TEST_F(MainWindowTest, CopyAsShowsItsTextsAndCtrlShiftCRepeatsTheLastForm)
{
    emit window_->findChild<QMenu*>("Copy_As")->aboutToShow();
    QStringList texts;
    for (int form = 0; form < kCopyFormCount; ++form)
        texts << action(("Copy_As_" + std::to_string(form)).c_str())->text();
    EXPECT_EQ(texts, (QStringList{"3323E7", "#3323E7", "rgb(51, 35, 231)", "hsl(245, 80%, 52%)",
                                  "51, 35, 231", "0x3323E7"}));
    EXPECT_EQ(action("Copy_As_0")->shortcut(), kCopyAsLastShortcut);

    // The popup's items copy the popup's colour, and choosing one there counts too.
    state_.PopupColor = kWhite;
    action("pop_Copy_As_2")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "rgb(255, 255, 255)");
    EXPECT_TRUE(action("Copy_As_0")->shortcut().isEmpty());
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_->valueEntry()->hexBox(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "rgb(51, 35, 231)");
    action("Copy_As_3")->trigger();
    action("Copy_HEX")->trigger(); // keeps its form and does not choose one
    EXPECT_EQ(QApplication::clipboard()->text(), "3323E7");
    QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hsl(245, 80%, 52%)");
}

} // namespace orvane::test
