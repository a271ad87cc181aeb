// Tens of thousands of random clicks, key presses, drops and commands on the main window and its
// tool windows, with the window's invariants checked after every one. Every choice comes from
// one seeded generator: the seed is printed, and ORVANE_RANDOM_SEED=<seed> replays the run.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"
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
#include <deque>
#include <random>

namespace orvane::test {

namespace {

// Exit and About are left out: they end the run or open a window of their own.
const QStringList kCommands =
    QStringLiteral("Undo Redo Add_to_Favorites Copy_HEX RGB_Color_Wheel Group_By_Color Lighten "
                   "Darken Saturate Desaturate Make_Websafe Show_Spectrum_Palette Show_Favorites "
                   "Show_History Show_Harmonies Show_Web_Preview Screen_Color_Picker Quick_Tips "
                   "Toolbar1_4 Toolbar1_5 Toolbar1_6 Toolbar1_7 Toolbar1_8 Toolbar1_9 Toolbar1_10 "
                   "Toolbar1_11 Toolbar1_13 Toolbar1_14 Toolbar1_15 Toolbar1_16")
        .split(u' ');

// What a user types into the value boxes, wrong characters and editing keys included.
const QString kTyped = QStringLiteral("0123456789abcdefABCDEFxyz#&.- \b\t\r\x1b");

} // namespace

class RandomInputTest : public MainWindowTest {
protected:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    // A point in the widget or up to margin pixels around it.
    QPoint around(const QWidget* widget, int margin)
    {
        return {pick(widget->width() + 2 * margin) - margin,
                pick(widget->height() + 2 * margin) - margin};
    }

    // The visible widgets of every open window, drop targets only or all.
    std::vector<QWidget*> visibleWidgets(bool dropTargetsOnly)
    {
        std::vector<QWidget*> found{window_.get()};
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            if (ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool)))
                found.push_back(window);
        }
        for (std::size_t i = 0, windows = found.size(); i < windows; ++i) {
            for (QWidget* child : found[i]->findChildren<QWidget*>()) {
                if (child->isVisible() && (child->acceptDrops() || !dropTargetsOnly))
                    found.push_back(child);
            }
        }
        return found;
    }

    // Moves carry no button: a move with the left button held would start a real drag, which
    // runs until the platform reports a release. Drags are sent as their drop events instead.
    std::string mouse()
    {
        const std::vector<QWidget*> widgets = visibleWidgets(false);
        QWidget* target = widgets[static_cast<std::size_t>(pick(static_cast<int>(widgets.size())))];
        const QPoint point = around(target, 6);
        const Qt::MouseButton button = pick(10) < 7 ? Qt::LeftButton : Qt::RightButton;
        const int kind = pick(5);
        if (auto* list = qobject_cast<QComboBox*>(target); list && list->count() > 0 && kind == 4)
            list->setCurrentIndex(pick(list->count()));
        else if (kind == 0)
            QTest::mousePress(target, button, {}, point);
        else if (kind == 1)
            QTest::mouseClick(target, button, {}, point);
        else if (kind == 2)
            QTest::mouseDClick(target, button, {}, point);
        else
            QTest::mouseMove(target, point);
        return "mouse " + std::to_string(kind) + (button == Qt::LeftButton ? "L on " : "R on ") +
               target->metaObject()->className() + " " + target->objectName().toStdString() +
               " of " + target->window()->objectName().toStdString();
    }

    std::string type()
    {
        ValueEntryPanel* entry = window_->valueEntry();
        const int which = pick(4);
        QLineEdit* box = which == 3 ? entry->hexBox() : entry->channelBox(which);
        QString typed;
        for (int i = pick(6); i >= 0; --i)
            typed += kTyped[pick(static_cast<int>(kTyped.size()))];
        QTest::keyClicks(box, typed);
        const std::string what =
            "type \"" + typed.toStdString() + "\" into box " + std::to_string(which);
        if (pick(10) < 4)
            return what;
        // The press takes the focus, which may rewrite the box; the release sets what it holds.
        auto* set = window_->findChild<QPushButton*>(which == 3 ? "Command2" : "Command1");
        QTest::mousePress(set, Qt::LeftButton);
        const bool shortHex = which == 3 && entry->hexText().size() < 6;
        const std::size_t before = messages_.shown.size();
        QTest::mouseRelease(set, Qt::LeftButton);
        if ((messages_.shown.size() > before) != shortHex)
            problem_ = "Set HEX warned wrongly";
        return what + " and set it";
    }

    std::string command()
    {
        if (ToolWindow* tool =
                window_->toolWindow(static_cast<ToolWindowIndex>(pick(kToolWindowCount)));
            tool != nullptr && pick(10) == 0) {
            tool->close();
            return "close " + tool->objectName().toStdString();
        }
        const QString name = kCommands[pick(static_cast<int>(kCommands.size()))];
        action(name.toLatin1().constData())->trigger(); // a disabled action ignores the trigger
        return name.toStdString();
    }

    // A swatch's colour dropped on any drop target; sometimes it is out of range or plain text.
    std::string drop()
    {
        std::unique_ptr<QMimeData> mime(
            makeColorMime(window_->swatch(pick(kCurrentSwatch + 1))->color()));
        const int roll = pick(10);
        if (roll == 0)
            mime->setData(kColorMimeType, QByteArray::number(0x1000000));
        else if (roll == 1)
            mime->setText(QStringLiteral("#12ZZ9"));
        const std::vector<QWidget*> targets = visibleWidgets(true);
        QWidget* target = targets[static_cast<std::size_t>(pick(static_cast<int>(targets.size())))];
        const QPoint point = around(target, 0);
        QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(point), Qt::CopyAction, mime.get(), Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        }
        return "drop " + std::to_string(roll) + " on " + target->objectName().toStdString();
    }

    // Opening the scheme saved last brings back all it holds: the state's record is the file's,
    // its tool windows and no others are open, and its first colour is current.
    std::string scheme()
    {
        const auto path = programDir_ / "random.vrx";
        const bool open = !saved_.empty() && pick(2) == 0;
        runDialog(open ? "Open_Scheme" : "Save_Scheme", path);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const SettingsRecord record = encodeRecord(state_);
        if (!open)
            saved_ = readBytes(path);
        if (!std::equal(record.begin(), record.end(), saved_.begin(), saved_.end()))
            problem_ = "the state differs from the scheme file";
        for (int tool = 0; tool < kToolWindowCount && open; ++tool) {
            if (isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool))) !=
                isSet(state_.ToolVisible[tool]))
                problem_ = "tool window " + std::to_string(tool) + " does not follow the scheme";
        }
        if (open && window_->currentColor() != state_.SchemeColor)
            problem_ = "the scheme's first colour is not current";
        return open ? "open the scheme" : "save the scheme";
    }

    // Acts on and closes what an action left waiting in a nested event loop.
    void closeModal()
    {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(modal))
            QTest::mousePress(picker, Qt::LeftButton, {}, around(picker, 0));
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible())
            dialog->reject();
        else if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    std::string act()
    {
        // Menus and drop-down lists an earlier action opened close, as the next click would.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        dialogs_.answers.clear(); // only a dialog an action asks for on purpose gets an answer
        QTimer closer;            // fires only while an action waits in an event loop of its own
        QObject::connect(&closer, &QTimer::timeout, [this] { closeModal(); });
        closer.start(0);
        const int roll = pick(100);
        return roll < 45   ? mouse()
               : roll < 65 ? type()
               : roll < 85 ? command()
               : roll < 98 ? drop()
                           : scheme();
    }

    std::mt19937 random_;
    std::optional<std::string> problem_;
    std::vector<std::uint8_t> saved_;
};

TEST_F(RandomInputTest, TensOfThousandsOfActionsKeepEveryInvariant)
{
    const char* given = std::getenv("ORVANE_RANDOM_SEED");
    const auto seed = given != nullptr
                          ? static_cast<std::uint32_t>(std::stoul(given))
                          : static_cast<std::uint32_t>(
                                std::chrono::system_clock::now().time_since_epoch().count());
    const std::string replay = "ORVANE_RANDOM_SEED=" + std::to_string(seed) +
                               " mainwindow_tests --gtest_filter=RandomInputTest.*";
    std::fprintf(stderr, "Random input; replay with: %s\n", replay.c_str()); // before any crash
    random_.seed(seed);
    // The screen picker's desktop is a gradient, so that picks differ.
    grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
    for (int y = 0; y < grabber_.picture.height(); ++y) {
        for (int x = 0; x < grabber_.picture.width(); ++x)
            grabber_.picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    }

    std::deque<std::string> log;
    for (int index = 0; index < 40000 && !problem_; ++index) {
        const std::size_t messagesBefore = messages_.shown.size();
        log.push_back(std::to_string(index) + ": " + act());
        if (log.size() > 20)
            log.pop_front();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (std::size_t m = messagesBefore; m < messages_.shown.size() && !problem_; ++m) {
            if (messages_.shown[m].text != "HEX value must be 6 characters!" &&
                messages_.shown[m].text != "Your palette is full!")
                problem_ = "unexpected message \"" + messages_.shown[m].text.toStdString() + '"';
        }
        if (!problem_)
            problem_ = brokenInvariant(*window_, state_);
    }
    std::string lastActions;
    for (const std::string& line : log)
        lastActions += "  " + line + '\n';
    EXPECT_EQ(problem_, std::nullopt) << "replay with: " << replay << "\nlast actions:\n"
                                      << lastActions;
}

} // namespace orvane::test
