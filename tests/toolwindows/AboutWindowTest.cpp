#include "toolwindows/AboutWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// Runs the deletions that closing a window asks for.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AboutWindowTest : public testing::Test {
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

TEST_F(AboutWindowTest, ClickOnTheLabelKeepsItAndOnTheWindowClosesIt)
{
    ASSERT_NE(label(), nullptr);
    EXPECT_EQ(label()->text(), "VER: 1.20\norvane.example.org");
    QTest::mouseClick(label(), Qt::LeftButton);
    settle();
    ASSERT_FALSE(window_.isNull());
    EXPECT_TRUE(window_->isVisible());

    QTest::mouseClick(window_.data(), Qt::LeftButton, {}, QPoint(300, 200));
    settle();
    EXPECT_TRUE(window_.isNull());
}

TEST_F(AboutWindowTest, ClosesItselfWhenTheThreeSecondTimerFires)
{
    auto* timer = window_->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    settle();
    EXPECT_TRUE(window_.isNull());
}

} // namespace
} // namespace orvane
