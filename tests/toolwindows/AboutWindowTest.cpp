#include "toolwindows/AboutWindow.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// Runs the deletion that closing asks for and tells whether the window is gone.
bool gone(const QPointer<AboutWindow>& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

TEST(AboutWindowTest, ClosesOnAClickOutsideTheLabelOrAfterThreeSeconds)
{
    QPointer<AboutWindow> window = new AboutWindow;
    window->show();
    auto* label = window->findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "VER: 1.20\norvane.example.org");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_FALSE(gone(window));
    QTest::mouseClick(window.data(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_TRUE(gone(window));

    window = new AboutWindow;
    window->show();
    auto* timer = window->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive() && timer->interval() == 3000);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(gone(window));
    delete window.data();
}

} // namespace
} // namespace orvane
