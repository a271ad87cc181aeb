// Tens of thousands of random clicks, key presses, drops and commands on the main window and its
// tool windows, with the window's invariants checked after every one. Every choice comes from
// one seeded generator: the seed is printed, and ORVANE_RANDOM_SEED=<seed> replays the run.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"
#include "mainwindow/ValueEntryPanel.h"
#include "toolwindows/ScreenPickerWindow.h"
#include "webpreview/WebPreviewWindow.h"
#include "widgets/ColorMime.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <random>

namespace orvane::test {

namespace {

constexpr int kActions = 40000;
constexpr const char* kSeedVariable = "ORVANE_RANDOM_SEED";

// The messages the program may show in answer to a user's action.
const QStringList kExpectedMessages = {QStringLiteral("HEX value must be 6 characters!"),
                                       QStringLiteral("Your palette is full!")};

// Exit and About are left out: they end the run or open a window of their own.
const QStringList kMenuCommands =
    QStringLiteral("Undo Redo Add_to_Favorites Copy_HEX RGB_Color_Wheel Group_By_Color Lighten "
                   "Darken Saturate Desaturate Make_Websafe Show_Spectrum_Palette Show_Favorites "
                   "Show_History Show_Harmonies Show_Web_Preview Screen_Color_Picker Quick_Tips")
        .split(u' ');

const int kToolbarButtons[] = {4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16};

const Qt::Key kKeys[] = {Qt::Key_0,   Qt::Key_5,      Qt::Key_9,         Qt::Key_A,
                         Qt::Key_F,   Qt::Key_Z,      Qt::Key_Backspace, Qt::Key_Delete,
                         Qt::Key_Up,  Qt::Key_Down,   Qt::Key_PageUp,    Qt::Key_Return,
                         Qt::Key_Tab, Qt::Key_Escape, Qt::Key_F6,        Qt::Key_F7};

// What a user types into the value boxes, wrong characters included.
const QString kTypedCharacters = QStringLiteral("0123456789abcdefABCDEFxyz#&.- ");

DialogChoice choose(const std::filesystem::path& path)
{
    return {path.string(), path.filename().string(), 1, 0};
}

std::string nameOf(const QWidget* widget)
{
    const std::string own = widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                           : widget->objectName().toStdString();
    return widget->isWindow() ? own : nameOf(widget->window()) + "/" + own;
}

} // namespace

class RandomInputTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // A desktop for the screen picker, in a gradient so that picks differ.
        grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
        for (int y = 0; y < grabber_.picture.height(); ++y) {
            for (int x = 0; x < grabber_.picture.width(); ++x)
                grabber_.picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        }
        // Fires only while an action waits in an event loop of its own (a modal window).
        modalCloser_.setInterval(0);
        QObject::connect(&modalCloser_, &QTimer::timeout, [this] { closeModal(); });
        toolbar_ = window_->centralWidget()->findChild<QToolBar*>(QStringLiteral("Toolbar1"),
                                                                  Qt::FindDirectChildrenOnly);
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> T pickFrom(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
    }
    // A point in the widget or up to margin pixels around it.
    QPoint pointAround(const QWidget* widget, int margin)
    {
        return {pick(widget->width() + 2 * margin) - margin,
                pick(widget->height() + 2 * margin) - margin};
    }

    std::vector<QWidget*> openWindows() const
    {
        std::vector<QWidget*> windows{window_.get()};
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            if (ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool));
                isOpen(window))
                windows.push_back(window);
        }
        return windows;
    }

    // Moves carry no button: a move with the left button held would start a real drag, which
    // runs until the platform reports a release. Drags are sent as their drop events instead.
    std::string mouseAction(QWidget* target, QPoint point)
    {
        const Qt::MouseButton button = chance(70) ? Qt::LeftButton : Qt::RightButton;
        const int kind = pick(4);
        if (kind == 0)
            QTest::mousePress(target, button, {}, point);
        else if (kind == 1)
            QTest::mouseClick(target, button, {}, point);
        else if (kind == 2)
            QTest::mouseDClick(target, button, {}, point);
        else {
            QMouseEvent move(QEvent::MouseMove, QPointF(point), target->mapToGlobal(QPointF(point)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
        return "mouse " + std::to_string(kind) + (button == Qt::LeftButton ? "L" : "R") + " on " +
               nameOf(target) + " at " + std::to_string(point.x()) + "," +
               std::to_string(point.y());
    }

    std::string clickSomewhere()
    {
        QWidget* window = pickFrom(openWindows());
        const QPoint point = pointAround(window, 6);
        QWidget* target = window->childAt(point);
        return target == nullptr ? mouseAction(window, point)
                                 : mouseAction(target, target->mapFrom(window, point));
    }

    // A swatch, the palette shown (either one) or the bare background.
    std::string actOnSwatchPaletteOrBackground()
    {
        const int roll = pick(100);
        QWidget* spectrum = window_->findChild<QWidget*>(QStringLiteral("Picture4"));
        QWidget* target = roll < 50    ? window_->swatch(pick(kCurrentSwatch + 1))
                          : roll >= 85 ? window_->centralWidget()
                          : spectrum->isVisible()
                              ? spectrum
                              : window_->findChild<QWidget*>(QStringLiteral("Picture3"));
        return mouseAction(target, pointAround(target, roll < 85 ? 8 : 0));
    }

    std::string typeIntoBox()
    {
        ValueEntryPanel* entry = window_->valueEntry();
        const int which = pick(4);
        QLineEdit* box = which == 0 ? entry->hexBox() : entry->channelBox(which - 1);
        if (chance(30)) {
            QTest::keyClick(box, Qt::Key_End);
            for (int i = pick(7); i > 0; --i)
                QTest::keyClick(box, Qt::Key_Backspace);
        }
        QString typed;
        for (int i = pick(5); i >= 0; --i)
            typed += kTypedCharacters[pick(static_cast<int>(kTypedCharacters.size()))];
        if (chance(10))
            QTest::keyClick(box, kKeys[pick(static_cast<int>(std::size(kKeys)))]);
        QTest::keyClicks(box, typed);
        std::string what = "type \"" + typed.toStdString() + "\" into " + nameOf(box);
        if (chance(40))
            return what;
        if (box != entry->hexBox()) {
            QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            return what + ", Set RGB";
        }
        // The press takes the focus, which may rewrite the box; the release sets what it holds.
        auto* setHex = window_->findChild<QPushButton*>(QStringLiteral("Command2"));
        QTest::mousePress(setHex, Qt::LeftButton);
        const QString hex = entry->hexText();
        const std::size_t before = messages_.shown.size();
        QTest::mouseRelease(setHex, Qt::LeftButton);
        const bool warned = messages_.shown.size() == before + 1;
        if (warned != (hex.size() < 6))
            problem_ = "Set HEX with \"" + hex.toStdString() + "\" " +
                       (warned ? "warned" : "did not warn");
        return what + ", Set HEX";
    }

    std::string commandOrButton()
    {
        if (chance(70)) {
            const QString name = kMenuCommands[pick(static_cast<int>(kMenuCommands.size()))];
            // A disabled action ignores the trigger.
            action(name.toLatin1().constData())->trigger();
            return "menu " + name.toStdString();
        }
        const int number = kToolbarButtons[pick(static_cast<int>(std::size(kToolbarButtons)))];
        QTest::mouseClick(toolbar_->widgetForAction(toolbar_->findChild<QAction*>(
                              QStringLiteral("Toolbar1_%1").arg(number))),
                          Qt::LeftButton);
        return "toolbar button " + std::to_string(number);
    }

    // A drag from a swatch, delivered as the events a drop target receives; sometimes it
    // carries an out-of-range colour or plain text.
    std::string dropColour()
    {
        std::unique_ptr<QMimeData> mime(
            makeColorMime(window_->swatch(pick(kCurrentSwatch + 1))->color()));
        const int roll = pick(100);
        if (roll < 10) {
            mime->setData(kColorMimeType, QByteArray::number(0x1000000));
        } else if (roll < 20) {
            mime = std::make_unique<QMimeData>();
            mime->setText(QStringLiteral("#12ZZ9"));
        }
        std::vector<QWidget*> targets;
        for (QWidget* window : openWindows()) {
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (child->isVisible() && child->acceptDrops())
                    targets.push_back(child);
            }
        }
        QWidget* target = pickFrom(targets);
        const QPoint point = pointAround(target, 0);
        const std::string what = "drop " + std::to_string(roll) + " on " + nameOf(target);
        QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return what + " (refused)";
        QDropEvent drop(QPointF(point), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return what;
    }

    std::string actOnToolWindow()
    {
        const auto tool = static_cast<ToolWindowIndex>(pick(kToolWindowCount));
        ToolWindow* window = window_->toolWindow(tool);
        if (!isOpen(window))
            return commandOrButton();
        if (chance(10)) {
            window->close();
            return "close " + nameOf(window);
        }
        if (auto* list = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
            list != nullptr && list->count() > 0 && chance(30)) {
            const int entry = pick(list->count());
            list->setCurrentIndex(entry);
            return nameOf(list) + " entry " + std::to_string(entry);
        }
        std::vector<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && !child->objectName().isEmpty())
                controls.push_back(child);
        }
        QWidget* control = pickFrom(controls);
        return mouseAction(control, pointAround(control, 0));
    }

    std::filesystem::path schemePath() const { return programDir() / "random.vrx"; }

    std::string saveScheme()
    {
        dialogs_.answers.push_back(choose(schemePath()));
        action("Save_Scheme")->trigger();
        std::ifstream in(schemePath(), std::ios::binary);
        savedScheme_.assign(std::istreambuf_iterator<char>(in), {});
        const SettingsRecord record = encodeRecord(state_);
        if (savedScheme_.size() != kRecordSize ||
            !std::equal(record.begin(), record.end(), savedScheme_.begin()))
            problem_ = "the saved scheme differs from the state it was saved from";
        return "save scheme";
    }

    // Opening the scheme saved last brings back all it holds: the state's record is the
    // file's, its tool windows and no others are open, and its first colour is current.
    std::string openSavedScheme()
    {
        if (savedScheme_.empty())
            return saveScheme();
        dialogs_.answers.push_back(choose(schemePath()));
        action("Open_Scheme")->trigger();
        settle();
        const SettingsRecord record = encodeRecord(state_);
        if (!std::equal(record.begin(), record.end(), savedScheme_.begin()))
            problem_ = "the state does not hold the scheme just opened";
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            if (isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool))) !=
                isSet(state_.ToolVisible[tool]))
                problem_ = "tool window " + std::to_string(tool) + " does not follow the scheme";
        }
        if (window_->currentColor() != state_.SchemeColor)
            problem_ = "the scheme's first colour is not current after opening it";
        auto* preview = qobject_cast<WebPreviewWindow*>(window_->toolWindow(WebPreviewTool));
        if (isOpen(preview) && preview->elementColors() != state_.WebColors)
            problem_ = "the web preview does not show the scheme's colours";
        return "open the saved scheme";
    }

    // Closes what an action left blocking in a nested event loop, after acting on it.
    void closeModal()
    {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        // A press on the screen picker picks the colour under it and closes the picker.
        if (auto* picker = qobject_cast<ScreenPickerWindow*>(modal))
            QTest::mousePress(picker, Qt::LeftButton, {}, pointAround(picker, 0));
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible())
            dialog->reject();
        else if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    std::string act()
    {
        using Action = std::string (RandomInputTest::*)();
        static const std::pair<int, Action> choices[] = {
            {200, &RandomInputTest::clickSomewhere},
            {250, &RandomInputTest::actOnSwatchPaletteOrBackground},
            {200, &RandomInputTest::typeIntoBox},
            {150, &RandomInputTest::commandOrButton},
            {80, &RandomInputTest::dropColour},
            {110, &RandomInputTest::actOnToolWindow},
            {5, &RandomInputTest::saveScheme},
            {5, &RandomInputTest::openSavedScheme}};
        // Menus and drop-down lists an earlier action opened close, as the next click would.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        int roll = pick(1000);
        for (const auto& [weight, run] : choices) {
            if (roll < weight) {
                // Only a dialog an action asks for on purpose gets an answer.
                dialogs_.answers.clear();
                modalCloser_.start();
                const std::string what = (this->*run)();
                modalCloser_.stop();
                return what;
            }
            roll -= weight;
        }
        return "nothing";
    }

    std::mt19937 random_;
    QTimer modalCloser_;
    QToolBar* toolbar_ = nullptr;
    std::optional<std::string> problem_;
    std::vector<std::uint8_t> savedScheme_;
};

TEST_F(RandomInputTest, TensOfThousandsOfActionsKeepEveryInvariant)
{
    auto seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (const char* text = std::getenv(kSeedVariable); text != nullptr && *text != '\0') {
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), seed);
        ASSERT_TRUE(error == std::errc() && *end == '\0')
            << kSeedVariable << " must be a whole number, not \"" << text << '"';
    }
    const std::string replay = std::string(kSeedVariable) + "=" + std::to_string(seed) +
                               " mainwindow_tests --gtest_filter=RandomInputTest.*";
    // Printed first, so that a crash too can be replayed.
    std::fprintf(stderr, "Random input seed %u; replay with: %s\n", seed, replay.c_str());
    std::fflush(stderr);
    random_.seed(seed);

    ASSERT_EQ(brokenInvariant(*window_, state_), std::nullopt) << "before any action";
    std::deque<std::string> log;
    for (int index = 0; index < kActions; ++index) {
        problem_.reset();
        const std::size_t messagesBefore = messages_.shown.size();
        log.push_back(std::to_string(index) + ": " + act());
        if (log.size() > 20)
            log.pop_front();
        settle();
        for (std::size_t m = messagesBefore; m < messages_.shown.size() && !problem_; ++m) {
            if (!kExpectedMessages.contains(messages_.shown[m].text))
                problem_ = "unexpected message \"" + messages_.shown[m].text.toStdString() + '"';
        }
        if (!problem_)
            problem_ = brokenInvariant(*window_, state_);
        if (problem_) {
            std::string lastActions;
            for (const std::string& line : log)
                lastActions += "  " + line + '\n';
            FAIL() << *problem_ << "\nreplay with: " << replay << "\nlast actions:\n"
                   << lastActions;
        }
    }
}

} // namespace orvane::test
