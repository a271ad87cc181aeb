// SPDX-License-Identifier: MIT
// Tens of thousands of random clicks, key presses, drops and commands on the main window and its
// tool windows, with the window's invariants checked after every one. Every choice comes from
// one seeded generator: the seed is printed, and ORVANE_RANDOM_SEED=<seed> replays the run.

#include "MainWindowFixture.h"

#include "toolwindows/ScreenPickerWindow.h"
#include "widgets/ColorMime.h"

#include <QApplication>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <random>

namespace orvane::test {

class RandomInputTest : public MainWindowTest {
protected:
    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(random_); }
    // A point in the widget or up to margin pixels around it.
    QPoint around(const QWidget* widget, int margin)
    {
        return {pick(widget->width() + 2 * margin) - margin,
                pick(widget->height() + 2 * margin) - margin};
    }

    // On a visible widget of the main window or an open tool window. Moves carry no button: a
    // move with the left button held would start a real drag, which runs until the platform
    // reports a release. Drags are sent as their drop events instead, carrying a swatch's colour
    // or, with the right button, one out of range.
    QString mouse()
    {
        const int kind = pick(7);
        QList<QWidget*> targets{window_.get()};
        for (QWidget* child : window_->findChildren<QWidget*>())
            if (child->isVisible() && (child->acceptDrops() || kind != 6))
                targets.push_back(child);
        QWidget* target = targets[pick(targets.size())];
        const QPoint point = around(target, kind == 6 ? 0 : 6);
        const Qt::MouseButton button = pick(10) < 7 ? Qt::LeftButton : Qt::RightButton;
        std::unique_ptr<QMimeData> mime(makeColorMime(window_->swatch(pick(17))->color()));
        if (button == Qt::RightButton)
            mime->setData(kColorMimeType, QByteArray::number(pick(2) ? 0x1000000 : -2));
        QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), button, Qt::NoModifier);
        QDropEvent drop(point, Qt::CopyAction, mime.get(), button, Qt::NoModifier);
        if (auto* list = qobject_cast<QComboBox*>(target); list && list->count() > 0 && kind == 4)
            list->setCurrentIndex(pick(list->count()));
        else if (kind == 0)
            QTest::mousePress(target, button, {}, point);
        else if (kind == 1)
            QTest::mouseClick(target, button, {}, point);
        else if (kind == 2)
            QTest::mouseDClick(target, button, {}, point);
        else if (kind == 6 && QApplication::sendEvent(target, &enter) && enter.isAccepted())
            QApplication::sendEvent(target, &drop);
        else if (kind != 6)
            QTest::mouseMove(target, point);
        return QStringLiteral("mouse %1/%2 on %3 %4")
            .arg(kind)
            .arg(button)
            .arg(target->metaObject()->className(), target->objectName());
    }

    // Typing, wrong characters and editing keys included, then Set RGB or Set HEX half the time.
    QString type()
    {
        const int box = pick(4);
        QString typed;
        for (int i = pick(6); i >= 0; --i)
            typed += QStringLiteral("0123456789abcdefABCDEFxyz#&.- \b\t\r\x1b")[pick(34)];
        ValueEntryPanel* entry = window_->valueEntry();
        QTest::keyClicks(box == 3 ? entry->hexBox() : entry->channelBox(box), typed);
        if (pick(2) == 0)
            QTest::mouseClick(window_->findChild<QPushButton*>(box == 3 ? "Command2" : "Command1"),
                              Qt::LeftButton);
        return QStringLiteral("type \"%1\" into box %2").arg(typed).arg(box);
    }

    // Any command of any window, or a tool window's own close box. Exit and About are left out:
    // they end the run or open a window of their own. A disabled action ignores the trigger.
    QString command()
    {
        const QList<QAction*> actions = window_->findChildren<QAction*>();
        QAction* chosen = actions[pick(actions.size())];
        ToolWindow* tool =
            window_->toolWindow(static_cast<ToolWindowIndex>(pick(kToolWindowCount)));
        if (tool != nullptr && pick(10) == 0)
            tool->close();
        else if (chosen->objectName() != "Exit" && chosen->objectName() != "About")
            chosen->trigger();
        return "command " + chosen->objectName();
    }

    // Closes the menus and drop-down lists left open, as the next click would; in a nested event
    // loop, first acts on and closes the dialog an action waits for.
    void closeLeftOpen()
    {
        QWidget* modal =
            QThread::currentThread()->loopLevel() > 0 ? QApplication::activeModalWidget() : nullptr;
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(modal))
            QTest::mousePress(picker, Qt::LeftButton, {}, around(picker, 0));
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible())
            dialog->reject();
        else
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
    }

    QString act()
    {
        closeLeftOpen();
        dialogs_.answers.clear(); // only a dialog an action asks for on purpose gets an answer
        QTimer closer;            // fires only while an action waits in an event loop of its own
        QObject::connect(&closer, &QTimer::timeout, [this] { closeLeftOpen(); });
        closer.start(0);
        const int roll = pick(100);
        return roll < 55 ? mouse() : roll < 75 ? type() : command();
    }

    std::mt19937 random_;
};

TEST_F(RandomInputTest, TensOfThousandsOfActionsKeepEveryInvariant)
{
    const char* given = std::getenv("ORVANE_RANDOM_SEED");
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto seed = static_cast<std::uint32_t>(given ? std::stoul(given) : now);
    const std::string replay = "ORVANE_RANDOM_SEED=" + std::to_string(seed) +
                               " mainwindow_tests --gtest_filter=RandomInputTest.*";
    std::fprintf(stderr, "Random input; replay with %s\n", replay.c_str()); // before any crash
    random_.seed(seed);
    grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
    grabber_.picture.fill(QColor(10, 200, 30));

    QStringList log;
    std::optional<std::string> problem;
    for (int index = 0; index < 40000 && !problem; ++index) {
        const std::size_t messagesBefore = messages_.shown.size();
        log.push_back(QString::number(index) + ": " + act());
        if (log.size() > 20)
            log.removeFirst();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (std::size_t m = messagesBefore; m < messages_.shown.size(); ++m) {
            if (!QStringList{"HEX value must be 6 characters!", "Your palette is full!"}.contains(
                    messages_.shown[m].text))
                problem = "unexpected message " + messages_.shown[m].text.toStdString();
        }
        if (!problem)
            problem = brokenInvariant();
    }
    EXPECT_EQ(problem, std::nullopt) << replay << "\nlast actions:\n"
                                     << log.join('\n').toStdString();
}

} // namespace orvane::test
