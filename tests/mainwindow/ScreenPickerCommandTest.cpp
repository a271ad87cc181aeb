#include "MainWindowFixture.h"

#include "toolwindows/ScreenPickerWindow.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace orvane::test {

namespace {

// Acts on the picker as soon as it is up; the picker is modal, so the command waits meanwhile.
void whenPickerShows(void (*act)(ScreenPickerWindow&))
{
    QTimer::singleShot(0, [act] {
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(QApplication::activeModalWidget()))
            act(*picker);
    });
}

} // namespace

TEST_F(MainWindowTest, TheScreenPickerPicksAPixelOrChangesNothing)
{
    grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
    grabber_.picture.fill(QColor(10, 20, 30));
    grabber_.picture.setPixel(100, 100, qRgb(200, 100, 50));
    whenPickerShows([](ScreenPickerWindow& picker) {
        QTest::mouseMove(&picker, QPoint(100, 100));
        QTest::mousePress(&picker, Qt::RightButton, {}, QPoint(100, 100));
    });
    action("Screen_Color_Picker")->trigger();
    EXPECT_EQ(grabber_.grabs, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(200, 100, 50));
    EXPECT_EQ(state_.UndoPos, 2);
    EXPECT_EQ(state_.UndoColors[2], MakeColor(200, 100, 50));

    // Escape leaves everything as it was: the earlier pick is not applied again.
    window_->SetAll(1, 2, 3, false);
    whenPickerShows([](ScreenPickerWindow& picker) { QTest::keyClick(&picker, Qt::Key_Escape); });
    action("Toolbar1_6")->trigger();
    EXPECT_EQ(grabber_.grabs, 2);
    EXPECT_EQ(window_->currentColor(), MakeColor(1, 2, 3));
    EXPECT_EQ(state_.UndoPos, 3);
    EXPECT_TRUE(messages_.shown.empty());

    // A refused capture is reported instead of showing a frozen black screen.
    grabber_.picture = QImage();
    action("Screen_Color_Picker")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("picture of the screen"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window_->currentColor(), MakeColor(1, 2, 3));
}

} // namespace orvane::test
