#include "MainWindowFixture.h"

#include "toolwindows/ScreenPickerWindow.h"
#include "widgets/ScreenGrabber.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace orvane::test {

namespace {

// Acts on the picker as soon as it is up; the picker is modal, so the command waits meanwhile.
void whenPickerShows(const std::function<void(ScreenPickerWindow&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(QApplication::activeModalWidget()))
            act(*picker);
    });
}

} // namespace

class ScreenPickerCommandTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
        grabber_.picture.fill(QColor(10, 20, 30));
        grabber_.picture.setPixel(100, 100, qRgb(200, 100, 50));
    }
};

TEST_F(ScreenPickerCommandTest, APressPicksThePixelUnderThePointerAndRecordsIt)
{
    const int undoPos = state_.UndoPos;
    whenPickerShows([](ScreenPickerWindow& picker) {
        QTest::mouseMove(&picker, QPoint(100, 100));
        QTest::mousePress(&picker, Qt::RightButton, {}, QPoint(100, 100));
    });
    action("Screen_Color_Picker")->trigger();

    EXPECT_EQ(grabber_.grabs, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(200, 100, 50));
    EXPECT_EQ(state_.PickedColor, MakeColor(200, 100, 50));
    EXPECT_EQ(state_.UndoPos, undoPos + 1);
    EXPECT_EQ(state_.UndoColors[state_.UndoPos], MakeColor(200, 100, 50));
}

TEST_F(ScreenPickerCommandTest, EscapeLeavesEverythingAsItWas)
{
    state_.PickedColor = MakeColor(1, 2, 3); // an earlier pick must not be applied again
    const int undoPos = state_.UndoPos;
    whenPickerShows([](ScreenPickerWindow& picker) { QTest::keyClick(&picker, Qt::Key_Escape); });
    action("Toolbar1_6")->trigger();

    EXPECT_EQ(grabber_.grabs, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_EQ(state_.UndoPos, undoPos);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ScreenPickerCommandTest, ARefusedCaptureIsReportedInsteadOfAFrozenBlackScreen)
{
    grabber_.picture = QImage();
    action("Screen_Color_Picker")->trigger();

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("picture of the screen"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
}

} // namespace orvane::test
