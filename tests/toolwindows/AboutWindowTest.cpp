#include "toolwindows/AboutWindow.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane
{
namespace
{

// Runs the deletions that closing a window asks for.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AboutWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window_ = new AboutWindow;
        window_->show();
    }
    void TearDown() override { delete window_.data(); }

    QLabel* label() const { return window_->findChild<QLabel*>("Label1"); }

    QPointer<AboutWindow> window_;
};

TEST_F(AboutWindowTest, ShowsVersionAndAddressOnTopOfEverything)
{
    EXPECT_EQ(window_->objectName(), "Frm_About");
    EXPECT_EQ(window_->size(), QSize(360, 240));
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window_->windowTitle().isEmpty());
    EXPECT_EQ(window_->geometry().center(), window_->screen()->availableGeometry().center());

    ASSERT_NE(label(), nullptr);
    EXPECT_EQ(label()->text(), "VER: 1.20\norvane.example.org");
    EXPECT_EQ(label()->geometry(), QRect(8, 6, 151, 28));
    EXPECT_FALSE(label()->accessibleName().isEmpty());
}

TEST_F(AboutWindowTest, PaintsAPictureOfManyColours)
{
    const QImage picture = window_->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4)
            colours.insert(picture.pixel(x, y));
    EXPECT_GE(colours.size(), 12) << "at least the twelve hues of the wheel";
}

TEST_F(AboutWindowTest, ClickOnTheLabelKeepsItAndOnTheWindowClosesIt)
{
    QTest::mouseClick(label(), Qt::LeftButton);
    settle();
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window_->isVisible());

    QTest::mouseClick(window_.data(), Qt::LeftButton, {}, QPoint(300, 200));
    settle();
    EXPECT_TRUE(window_.isNull());
}

TEST_F(AboutWindowTest, ClosesItselfAfterThreeSeconds)
{
    auto* timer = window_->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_TRUE(timer->isActive());

    QMetaObject::invokeMethod(timer, "timeout");
    settle();
    EXPECT_TRUE(window_.isNull());
}

} // namespace
} // namespace orvane
