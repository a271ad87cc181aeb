// Tens of thousands of random clicks, key presses, drags and commands on the main window and its
// tool windows, with the window's invariants checked after every one. Every choice comes from
// one seeded generator: the seed is printed, and ORVANE_RANDOM_SEED=<seed> replays the run.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"
#include "mainwindow/SpectrumPalette.h"
#include "mainwindow/ValueEntryPanel.h"
#include "mainwindow/WebSafePalette.h"
#include "toolwindows/AboutWindow.h"
#include "toolwindows/ScreenPickerWindow.h"
#include "toolwindows/TipsWindow.h"
#include "webpreview/WebPreviewWindow.h"
#include "widgets/ColorMime.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace orvane::test {

namespace {

// Enough actions for the rare ones (saving, reopening, exiting, About) to come up dozens of
// times, few enough to take seconds in the sanitizer build.
constexpr int kActions = 40000;
constexpr std::size_t kLogLength = 20;
constexpr const char* kSeedVariable = "ORVANE_RANDOM_SEED";

// The seed and the last actions, kept in fixed storage so that a crash handler can print them
// without allocating.
struct CrashNote {
    std::uint32_t seed = 0;
    std::array<std::array<char, 240>, kLogLength> lines{};
    std::size_t added = 0;
    int running = 0; // the action under way
    bool armed = false;
};
CrashNote crashNote;

void writeRaw(const char* text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

void writeCrashNote()
{
    if (!crashNote.armed)
        return;
    crashNote.armed = false;
    char seed[16];
    *std::to_chars(seed, seed + sizeof seed - 1, crashNote.seed).ptr = '\0';
    char running[16];
    *std::to_chars(running, running + sizeof running - 1, crashNote.running).ptr = '\0';
    writeRaw("\nThe random input test died in action ");
    writeRaw(running);
    writeRaw(". Replay with ");
    writeRaw(kSeedVariable);
    writeRaw("=");
    writeRaw(seed);
    writeRaw(". The actions before it:\n");
    const std::size_t first = crashNote.added > kLogLength ? crashNote.added - kLogLength : 0;
    for (std::size_t line = first; line < crashNote.added; ++line) {
        writeRaw(crashNote.lines[line % kLogLength].data());
        writeRaw("\n");
    }
}

void onFatalSignal(int signal)
{
    writeCrashNote();
    std::raise(signal); // the handler was installed to run once; this ends the process
}

// Prints the note when the process dies of a signal or, in the sanitizer build, of an address
// sanitizer report, for as long as it lives. (Undefined-behaviour reports name their own place
// and stack; the seed printed at the start replays them.)
class CrashNoteGuard {
public:
    explicit CrashNoteGuard(std::uint32_t seed)
    {
        crashNote = {};
        crashNote.seed = seed;
        crashNote.armed = true;
        struct sigaction action {};
        action.sa_handler = onFatalSignal;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        // The sanitizer runtime reports bad memory accesses itself and calls back below.
        ::sigaction(SIGABRT, &action, &previousAbort_);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(writeCrashNote);
#else
        ::sigaction(SIGSEGV, &action, &previousSegv_);
        ::sigaction(SIGBUS, &action, &previousBus_);
        ::sigaction(SIGFPE, &action, &previousFpe_);
#endif
    }
    ~CrashNoteGuard()
    {
        crashNote.armed = false;
        ::sigaction(SIGABRT, &previousAbort_, nullptr);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(nullptr);
#else
        ::sigaction(SIGSEGV, &previousSegv_, nullptr);
        ::sigaction(SIGBUS, &previousBus_, nullptr);
        ::sigaction(SIGFPE, &previousFpe_, nullptr);
#endif
    }
    CrashNoteGuard(const CrashNoteGuard&) = delete;
    CrashNoteGuard& operator=(const CrashNoteGuard&) = delete;

    void starting(int index)
    {
        crashNote.running = index;
    }

    void add(int index, const std::string& description)
    {
        auto& line = crashNote.lines[crashNote.added % kLogLength];
        const std::string text = std::to_string(index) + ": " + description;
        const std::size_t length = std::min(text.size(), line.size() - 1);
        std::memcpy(line.data(), text.data(), length);
        line[length] = '\0';
        ++crashNote.added;
    }

    std::string lastActions() const
    {
        std::string text;
        const std::size_t first = crashNote.added > kLogLength ? crashNote.added - kLogLength : 0;
        for (std::size_t line = first; line < crashNote.added; ++line)
            text += std::string("  ") + crashNote.lines[line % kLogLength].data() + '\n';
        return text;
    }

private:
    struct sigaction previousAbort_ {};
#if !defined(__SANITIZE_ADDRESS__)
    struct sigaction previousSegv_ {};
    struct sigaction previousBus_ {};
    struct sigaction previousFpe_ {};
#endif
};

DialogChoice choose(const std::filesystem::path& path)
{
    return {path.string(), path.filename().string(), 1, 0};
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string str(QPoint point)
{
    return "(" + std::to_string(point.x()) + "," + std::to_string(point.y()) + ")";
}

std::string nameOf(const QWidget* widget)
{
    const QString own = widget->objectName().isEmpty()
                            ? QString::fromLatin1(widget->metaObject()->className())
                            : widget->objectName();
    if (widget->isWindow())
        return own.toStdString();
    return nameOf(widget->window()) + "/" + own.toStdString();
}

std::string buttonName(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return "left";
    case Qt::RightButton:
        return "right";
    default:
        return "middle";
    }
}

// The messages the program may show in answer to a user's action.
const QStringList kExpectedMessages = {QStringLiteral("HEX value must be 6 characters!"),
                                       QStringLiteral("Your palette is full!")};

// Exit and About come as actions of their own, rarer than these.
const char* const kMenuCommands[] = {
    "Open_Scheme",
    "Save_Scheme",
    "Undo",
    "Redo",
    "Add_to_Favorites",
    "Copy_HEX",
    "RGB_Color_Wheel",
    "Group_By_Color",
    "Lighten",
    "Darken",
    "Saturate",
    "Desaturate",
    "Make_Websafe",
    "Show_Spectrum_Palette",
    "Show_Favorites",
    "Show_History",
    "Show_Harmonies",
    "Show_Web_Preview",
    "Screen_Color_Picker",
    "Online_Help",
    "Quick_Tips",
};

const int kToolbarButtons[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16};

const Qt::Key kKeys[] = {
    Qt::Key_0,         Qt::Key_1,       Qt::Key_2,        Qt::Key_3,         Qt::Key_4,
    Qt::Key_5,         Qt::Key_6,       Qt::Key_7,        Qt::Key_8,         Qt::Key_9,
    Qt::Key_A,         Qt::Key_B,       Qt::Key_C,        Qt::Key_D,         Qt::Key_E,
    Qt::Key_F,         Qt::Key_G,       Qt::Key_H,        Qt::Key_L,         Qt::Key_O,
    Qt::Key_P,         Qt::Key_Q,       Qt::Key_S,        Qt::Key_V,         Qt::Key_W,
    Qt::Key_X,         Qt::Key_Y,       Qt::Key_Z,        Qt::Key_Space,     Qt::Key_NumberSign,
    Qt::Key_Ampersand, Qt::Key_Minus,   Qt::Key_Period,   Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Left,      Qt::Key_Right,   Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,
    Qt::Key_End,       Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Return,    Qt::Key_Enter,
    Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Escape,   Qt::Key_F1,        Qt::Key_F2,
    Qt::Key_F3,        Qt::Key_F6,      Qt::Key_F7,
};

// What a user types into the value boxes, wrong characters included.
const QString kTypedCharacters = QStringLiteral("0123456789abcdefABCDEFxyzH#&.- ");

} // namespace

class RandomInputTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        std::ofstream(programDir() / "tips.txt", std::ios::binary)
            << "Click a swatch to make it current.\r\nDrag a swatch onto a favourite.\r\n\r\n"
               "Press F7 for the web preview.";
        // A desktop picture for the screen colour picker: a gradient, so every pick differs.
        grabber_.picture = QImage(desktopGeometry().size(), QImage::Format_RGB32);
        for (int y = 0; y < grabber_.picture.height(); ++y) {
            for (int x = 0; x < grabber_.picture.width(); ++x)
                grabber_.picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        }
        // Runs while an action runs: it only fires when the action waits in an event loop of
        // its own.
        modalCloser_.setInterval(0);
        QObject::connect(&modalCloser_, &QTimer::timeout, [this] { closeModal(); });
        windowStarted();
    }

    void TearDown() override
    {
        modalCloser_.stop();
        // An About window that a failed check left open would outlive the test.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<AboutWindow*>(widget) != nullptr)
                widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowTest::TearDown();
    }

    // Finds the controls and watches for the window's shut-down, after every start.
    void windowStarted()
    {
        shutDown_ = false;
        QObject::connect(window_.get(), &MainWindow::shutDown, [this] { shutDown_ = true; });
        toolbar_ = window_->centralWidget()->findChild<QToolBar*>(QStringLiteral("Toolbar1"),
                                                                  Qt::FindDirectChildrenOnly);
        popup_ = window_->findChild<QMenu*>(QStringLiteral("popmenu"), Qt::FindDirectChildrenOnly);
        settle();
    }

    QAction* menuCommand(const char* name) const
    {
        return window_->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
    }
    QAction* toolbarButton(int number) const
    {
        return toolbar_->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(number));
    }
    QAction* popupItem(const QString& name) const { return popup_->findChild<QAction*>(name); }

    // What the event loop does between two user actions, deferred deletions included.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> const T& pickFrom(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
    }

    // A point in the widget or up to margin pixels around it.
    QPoint pointAround(const QWidget* widget, int margin)
    {
        return {pick(widget->width() + 2 * margin) - margin,
                pick(widget->height() + 2 * margin) - margin};
    }

    Qt::MouseButton randomButton()
    {
        const int roll = pick(10);
        return roll < 6 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
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

    std::array<bool, kToolWindowCount> openTools() const
    {
        std::array<bool, kToolWindowCount> open{};
        for (int tool = 0; tool < kToolWindowCount; ++tool)
            open[tool] = isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool)));
        return open;
    }

    template <typename T> T* openTool(ToolWindowIndex tool) const
    {
        ToolWindow* window = window_->toolWindow(tool);
        return isOpen(window) ? static_cast<T*>(window) : nullptr;
    }

    // One mouse action on a widget. Moves carry no button: a move with the left button held
    // would start a real drag, which runs until the platform reports a release; drags are sent
    // as their drop events instead.
    std::string mouseAction(QWidget* target, QPoint at)
    {
        const Qt::MouseButton button = randomButton();
        std::string what;
        switch (pick(5)) {
        case 0:
            QTest::mousePress(target, button, {}, at);
            what = buttonName(button) + " press";
            break;
        case 1:
            QTest::mouseRelease(target, button, {}, at);
            what = buttonName(button) + " release";
            break;
        case 2:
            QTest::mouseClick(target, button, {}, at);
            what = buttonName(button) + " click";
            break;
        case 3:
            QTest::mouseDClick(target, button, {}, at);
            what = buttonName(button) + " double-click";
            break;
        default: {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            what = "move";
            break;
        }
        }
        return what + " on " + nameOf(target) + " at " + str(at);
    }

    std::string clickSomewhere()
    {
        QWidget* window = pickFrom(openWindows());
        const QPoint at = pointAround(window, 6);
        QWidget* target = window->childAt(at);
        if (target == nullptr)
            return mouseAction(window, at);
        return mouseAction(target, target->mapFrom(window, at));
    }

    std::string actOnSwatch()
    {
        SwatchWidget* swatch = window_->swatch(pick(kCurrentSwatch + 1));
        return mouseAction(swatch, pointAround(swatch, 3));
    }

    std::string actOnPalette()
    {
        auto* spectrum = window_->findChild<SpectrumPalette*>(QStringLiteral("Picture4"));
        QWidget* palette = spectrum->isVisible()
                               ? static_cast<QWidget*>(spectrum)
                               : window_->findChild<WebSafePalette*>(QStringLiteral("Picture3"));
        return mouseAction(palette, pointAround(palette, 12));
    }

    std::string actOnBackground()
    {
        QWidget* area = window_->centralWidget();
        QPoint at = pointAround(area, 0);
        for (int attempt = 0; attempt < 20 && area->childAt(at) != nullptr; ++attempt)
            at = pointAround(area, 0);
        return mouseAction(area, at);
    }

    QLineEdit* randomBox()
    {
        ValueEntryPanel* entry = window_->valueEntry();
        const int which = pick(4);
        return which == 0 ? entry->hexBox() : entry->channelBox(which - 1);
    }

    std::string typeIntoBox()
    {
        ValueEntryPanel* entry = window_->valueEntry();
        QLineEdit* box = randomBox();
        std::string what = "into " + nameOf(box) + ":";
        if (box != entry->hexBox() && chance(10)) {
            QTest::mouseDClick(box, Qt::LeftButton);
            what += " double-click (slider)";
        }
        if (chance(30)) {
            QTest::keyClick(box, Qt::Key_End);
            const int erased = pick(7);
            for (int i = 0; i < erased; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            what += " erase " + std::to_string(erased);
        }
        QString typed;
        for (int i = pick(5); i >= 0; --i)
            typed += kTypedCharacters[pick(static_cast<int>(kTypedCharacters.size()))];
        QTest::keyClicks(box, typed);
        what += " type \"" + typed.toStdString() + "\"";
        if (chance(60)) {
            if (box == entry->hexBox()) {
                // The press takes the focus, which applies a slider left open and rewrites the
                // box; the release then sets what the box holds.
                auto* setHex = window_->findChild<QPushButton*>(QStringLiteral("Command2"));
                QTest::mousePress(setHex, Qt::LeftButton);
                const QString hex = entry->hexText();
                const std::size_t before = messages_.shown.size();
                QTest::mouseRelease(setHex, Qt::LeftButton);
                const bool warned = messages_.shown.size() == before + 1 &&
                                    messages_.shown.back().text == kExpectedMessages[0];
                if (warned != (hex.size() < 6))
                    problem_ = "Set HEX with \"" + hex.toStdString() + "\" " +
                               (warned ? "warned" : "did not warn");
                what += ", Set HEX";
            } else {
                QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Command1")),
                                  Qt::LeftButton);
                what += ", Set RGB";
            }
        }
        return what;
    }

    std::string pressKey()
    {
        QWidget* target = nullptr;
        const int roll = pick(100);
        if (roll < 45) {
            target = randomBox();
        } else if (roll < 60) {
            std::vector<QWidget*> sliders;
            for (int channel = 0; channel < 3; ++channel) {
                if (QSlider* slider = window_->valueEntry()->slider(channel); slider->isVisible())
                    sliders.push_back(slider);
            }
            target = sliders.empty() ? randomBox() : pickFrom(sliders);
        } else if (roll < 70) {
            std::vector<QWidget*> lists;
            for (QWidget* window : openWindows()) {
                for (QComboBox* list : window->findChildren<QComboBox*>())
                    lists.push_back(list);
            }
            target = lists.empty() ? randomBox() : pickFrom(lists);
        } else {
            QWidget* window = pickFrom(openWindows());
            target = window->childAt(pointAround(window, 0));
            if (target == nullptr)
                target = window;
        }
        const Qt::Key key = kKeys[pick(static_cast<int>(std::size(kKeys)))];
        const int modifierRoll = pick(10);
        const Qt::KeyboardModifiers modifiers = modifierRoll < 7   ? Qt::NoModifier
                                                : modifierRoll < 9 ? Qt::ControlModifier
                                                                   : Qt::ShiftModifier;
        QTest::keyClick(target, key, modifiers);
        return "key " + QKeySequence(key | modifiers).toString().toStdString() + " on " +
               nameOf(target);
    }

    std::string chooseMenuCommand()
    {
        const char* name = kMenuCommands[pick(static_cast<int>(std::size(kMenuCommands)))];
        QAction* command = menuCommand(name);
        if (!command->isEnabled())
            return std::string("menu ") + name + " (disabled)";
        command->trigger();
        return std::string("menu ") + name;
    }

    std::string clickToolbarButton()
    {
        const int number = kToolbarButtons[pick(static_cast<int>(std::size(kToolbarButtons)))];
        QTest::mouseClick(toolbar_->widgetForAction(toolbarButton(number)), Qt::LeftButton);
        return "toolbar button " + std::to_string(number);
    }

    // Opens the popup with a right click on a colour unless it is open, and mostly goes on to
    // choose one of its items.
    std::string usePopup()
    {
        std::string what;
        if (!popup_->isVisible()) {
            std::vector<QWidget*> colours;
            for (int index = 0; index <= kCurrentSwatch; ++index)
                colours.push_back(window_->swatch(index));
            for (QWidget* window : openWindows()) {
                if (window == window_.get())
                    continue;
                for (QWidget* child : window->findChildren<QWidget*>()) {
                    const QString name = child->objectName();
                    if (child->isVisible() && (name.startsWith(QLatin1String("Picture")) ||
                                               name.startsWith(QLatin1String("Label1_"))))
                        colours.push_back(child);
                }
            }
            QWidget* target = pickFrom(colours);
            const QPoint at = pointAround(target, 0);
            QTest::mouseClick(target, Qt::RightButton, {}, at);
            what = "right-click " + nameOf(target) + " at " + str(at);
            if (!popup_->isVisible() || chance(25))
                return what;
            what += ", then ";
        }
        std::vector<QString> items{QStringLiteral("Select_Color"), QStringLiteral("pop_Copy_HEX")};
        if (popup_->findChild<QMenu*>(QStringLiteral("AtF"))->menuAction()->isVisible()) {
            for (int slot = 0; slot < kFavoriteSlots; ++slot)
                items.push_back(QStringLiteral("AddFav_%1").arg(slot));
        }
        const QString item = pickFrom(items);
        // Choosing an item closes the popup, then runs the command.
        popup_->hide();
        popupItem(item)->trigger();
        return what + "popup item " + item.toStdString();
    }

    std::vector<QWidget*> dropTargets() const
    {
        std::vector<QWidget*> targets;
        for (int index = 0; index <= kCurrentSwatch; ++index)
            targets.push_back(window_->swatch(index));
        for (QLineEdit* box : window_->valueEntry()->boxes())
            targets.push_back(box);
        for (const char* palette : {"Picture3", "Picture4"}) {
            if (QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(palette));
                widget->isVisible())
                targets.push_back(widget);
        }
        for (QWidget* window : openWindows()) {
            if (window == window_.get())
                continue;
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (child->isVisible() && child->acceptDrops())
                    targets.push_back(child);
            }
        }
        return targets;
    }

    // A drag from a swatch, delivered as the events a drop target receives.
    std::string dragColour()
    {
        std::vector<SwatchWidget*> sources;
        for (int index = 0; index <= kCurrentSwatch; ++index)
            sources.push_back(window_->swatch(index));
        if (auto* favorites = openTool<ToolWindow>(FavoritesTool)) {
            for (int slot = 0; slot < kFavoriteSlots; ++slot)
                sources.push_back(
                    favorites->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(slot)));
        }
        SwatchWidget* source = pickFrom(sources);
        const ColorValue color = source->color();
        if (chance(15)) {
            // The drop event names the dragged control only for a real drag; this is what a
            // swatch reports when a drag from it ends on itself.
            emit source->dropped(color, true);
            return "drag " + nameOf(source) + " onto itself";
        }

        std::unique_ptr<QMimeData> mime(makeColorMime(color));
        std::string carried = "colour " + HashHex(color);
        const int roll = pick(100);
        if (roll < 8) {
            mime->setData(kColorMimeType, QByteArray::number(0x1000000));
            carried = "an out-of-range colour";
        } else if (roll < 16) {
            mime = std::make_unique<QMimeData>();
            mime->setText(QStringLiteral("#12ZZ9"));
            carried = "plain text";
        }
        QWidget* target = pickFrom(dropTargets());
        const QPoint at = pointAround(target, 0);
        const std::string what = "drag " + carried + " from " + nameOf(source) + " to " +
                                 nameOf(target) + " at " + str(at);
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
            return what + " (refused)";
        }
        QDragMoveEvent move(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return what;
    }

    std::string actOnToolWindow()
    {
        const auto tool = static_cast<ToolWindowIndex>(pick(kToolWindowCount));
        ToolWindow* window = window_->toolWindow(tool);
        if (!isOpen(window)) {
            const char* toggles[] = {"Show_Favorites", "Show_Harmonies", "Show_History",
                                     "Show_Web_Preview"};
            menuCommand(toggles[tool])->trigger();
            return std::string("open with menu ") + toggles[tool];
        }
        const auto child = [window](const QString& name) {
            return window->findChild<QWidget*>(name);
        };
        const int roll = pick(100);
        switch (tool) {
        case FavoritesTool: {
            const int slot = pick(kFavoriteSlots);
            if (roll < 60) {
                QWidget* swatch = child(QStringLiteral("Picture1_%1").arg(slot));
                return mouseAction(swatch, pointAround(swatch, 0));
            }
            if (roll < 90) {
                QTest::mouseClick(child(QStringLiteral("Command1_%1").arg(slot)), Qt::LeftButton);
                return "clear favourite " + std::to_string(slot);
            }
            QTest::mouseClick(child(QStringLiteral("Check1")), Qt::LeftButton);
            return "keep-on-top box of Favorites";
        }
        case HistoryTool: {
            auto* list = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
            if (roll < 50 && list->count() > 0) {
                const int entry = pick(list->count());
                list->setCurrentIndex(entry);
                return "History list entry " + std::to_string(entry);
            }
            QTest::mouseClick(child(QStringLiteral("Command1")), Qt::LeftButton);
            return "History Select Color";
        }
        case HarmoniesTool: {
            if (roll < 30) {
                const int kind = pick(4);
                window->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(kind);
                return "harmony kind " + std::to_string(kind);
            }
            QWidget* square = child(QStringLiteral("Picture1_%1").arg(pick(3)));
            return mouseAction(square, pointAround(square, 0));
        }
        case WebPreviewTool: {
            auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
            if (roll < 10) {
                QTest::mouseClick(
                    toolbar->widgetForAction(toolbar->findChild<QAction*>("Toolbar1_2")),
                    Qt::LeftButton);
                return "web preview Reset Colors";
            }
            if (roll < 15) {
                const auto page = programDir() / "page.html";
                dialogs_.answers.push_back(choose(page));
                QTest::mouseClick(
                    toolbar->widgetForAction(toolbar->findChild<QAction*>("Toolbar1_1")),
                    Qt::LeftButton);
                if (!dialogs_.answers.empty() || !std::filesystem::exists(page))
                    problem_ = "the web page was not written";
                return "web preview Save As Web Page";
            }
            std::vector<QWidget*> elements;
            for (QWidget* element : window->findChildren<QWidget*>()) {
                const QString name = element->objectName();
                if (name.startsWith(QLatin1String("Picture2_")) ||
                    name.startsWith(QLatin1String("Label1_")))
                    elements.push_back(element);
            }
            QWidget* element = pickFrom(elements);
            return mouseAction(element, pointAround(element, 0));
        }
        }
        return {};
    }

    std::string closeToolWindow()
    {
        const std::vector<QWidget*> windows = openWindows();
        if (windows.size() < 2)
            return "close a tool window (none open)";
        QWidget* window =
            windows[1 + static_cast<std::size_t>(pick(static_cast<int>(windows.size()) - 1))];
        window->close();
        return "close " + nameOf(window);
    }

    std::filesystem::path schemePath() const { return programDir() / "random.vrx"; }

    std::string saveScheme()
    {
        dialogs_.answers.push_back(choose(schemePath()));
        menuCommand("Save_Scheme")->trigger();
        const std::vector<std::uint8_t> bytes = readBytes(schemePath());
        const SettingsRecord record = encodeRecord(state_);
        if (bytes.size() != kRecordSize || !std::equal(record.begin(), record.end(), bytes.begin()))
            problem_ = "the saved scheme differs from the state it was saved from";
        savedScheme_ = bytes;
        return "save scheme";
    }

    // Opening the scheme saved last brings back everything it holds: afterwards the state's
    // record is the file's, its tool windows and no others are open where it placed them, and
    // its first swatch colour is current.
    std::string openSavedScheme()
    {
        if (savedScheme_.empty())
            return saveScheme();
        dialogs_.answers.push_back(choose(schemePath()));
        menuCommand("Open_Scheme")->trigger();
        afterSettle_ = [this]() -> std::optional<std::string> {
            const SettingsRecord record = encodeRecord(state_);
            if (!std::equal(record.begin(), record.end(), savedScheme_.begin()))
                return "the state does not hold the scheme just opened";
            for (int tool = 0; tool < kToolWindowCount; ++tool) {
                const bool open = isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool)));
                if (open != isSet(state_.ToolVisible[tool]))
                    return "tool window " + std::to_string(tool) + " is " +
                           (open ? "open" : "closed") + " after opening a scheme that has it " +
                           (open ? "closed" : "open");
            }
            if (window_->currentColor() != state_.SchemeColor)
                return "the scheme's first colour is not current after opening it";
            if (auto* preview = openTool<WebPreviewWindow>(WebPreviewTool);
                preview != nullptr && preview->elementColors() != state_.WebColors)
                return "the web preview does not show the scheme's colours";
            return std::nullopt;
        };
        return "open the saved scheme";
    }

    std::string exitProgram()
    {
        menuCommand("Exit")->trigger();
        return "menu Exit";
    }

    std::string showAbout()
    {
        const QWidgetList before = QApplication::topLevelWidgets();
        menuCommand("About")->trigger();
        std::string what = "menu About";
        for (QWidget* about : QApplication::topLevelWidgets()) {
            if (qobject_cast<AboutWindow*>(about) == nullptr || before.contains(about))
                continue;
            // A click closes the window unless it lands on the version label; the window's
            // corner is clear of the label.
            const QPoint at = pointAround(about, 0);
            QWidget* label = about->childAt(at);
            QTest::mouseClick(label != nullptr ? label : about, Qt::LeftButton, {},
                              label != nullptr ? label->mapFrom(about, at) : at);
            what += ", click at " + str(at);
            if (about->isVisible() != (label != nullptr))
                problem_ = "a click on the About window " + std::string(label ? "on" : "off") +
                           " its label " + (about->isVisible() ? "left it open" : "closed it");
            if (about->isVisible()) {
                QTest::mouseClick(about, Qt::LeftButton, {},
                                  QPoint(about->width() - 2, about->height() - 2));
                what += " and at its corner";
            }
        }
        afterSettle_ = []() -> std::optional<std::string> {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<AboutWindow*>(widget) != nullptr)
                    return "the About window stayed after a click on its corner";
            }
            return std::nullopt;
        };
        return what;
    }

    // The command ended the program: the settings must hold what the window showed, and a new
    // start must bring the same tool windows back.
    std::optional<std::string> restartAfterExit()
    {
        const std::vector<std::uint8_t> written = readBytes(programDir() / kSettingsFileName);
        const SettingsRecord record = encodeRecord(state_);
        if (written.size() != kRecordSize ||
            !std::equal(record.begin(), record.end(), written.begin()))
            return "the settings file does not hold the state at exit";
        window_.reset();
        settle();
        state_ = AppState{};
        SetDefaults(state_);
        if (SettingsStore(programDir(), userConfigDir()).load(state_) !=
            SettingsStore::LoadResult::Loaded)
            return "the settings written at exit could not be read back";
        createWindow();
        window_->startUp();
        windowStarted();
        if (openTools() != openBefore_)
            return "the tool windows open at exit did not reopen at the next start";
        if (state_.UndoPos != 1)
            return "the undo history did not start afresh";
        return std::nullopt;
    }

    std::optional<std::string> unexpectedMessage()
    {
        for (; seenMessages_ < messages_.shown.size(); ++seenMessages_) {
            const QString& text = messages_.shown[seenMessages_].text;
            if (!kExpectedMessages.contains(text))
                return "unexpected message \"" + text.toStdString() + "\"";
        }
        return std::nullopt;
    }

    // Closes whatever an action left blocking in a nested event loop: the modal Quick Tips and
    // screen picker, after acting on them as a user would, or a menu run with exec().
    void closeModal()
    {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        if (auto* tips = qobject_cast<TipsWindow*>(QApplication::activeModalWidget())) {
            for (int step = pick(4); step > 0; --step)
                QTest::mouseClick(
                    tips->findChild<QPushButton*>(chance(50) ? "Command1" : "Command2"),
                    Qt::LeftButton);
            if (chance(30))
                QTest::mouseClick(tips->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
            tips->reject();
        } else if (auto* picker =
                       qobject_cast<ScreenPickerWindow*>(QApplication::activeModalWidget())) {
            if (chance(30))
                QTest::keyClick(picker, Qt::Key_Escape);
            else
                QTest::mousePress(picker, randomButton(), {}, pointAround(picker, 0));
            if (picker->isVisible())
                picker->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        } else if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    // Closes menus and drop-down lists that an earlier action opened, as the next click
    // elsewhere would; the popup menu stays when the next action may choose from it.
    void closePopups(bool keepPopupMenu)
    {
        for (int attempt = 0; attempt < 8; ++attempt) {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup == nullptr || (keepPopupMenu && popup == popup_))
                return;
            popup->close();
        }
    }

    std::string act()
    {
        using Action = std::string (RandomInputTest::*)();
        struct Choice {
            int weight; // per thousand
            Action run;
        };
        static const Choice choices[] = {
            {180, &RandomInputTest::clickSomewhere},    {120, &RandomInputTest::actOnSwatch},
            {80, &RandomInputTest::actOnPalette},       {40, &RandomInputTest::actOnBackground},
            {100, &RandomInputTest::typeIntoBox},       {120, &RandomInputTest::pressKey},
            {100, &RandomInputTest::chooseMenuCommand}, {50, &RandomInputTest::clickToolbarButton},
            {50, &RandomInputTest::usePopup},           {60, &RandomInputTest::dragColour},
            {80, &RandomInputTest::actOnToolWindow},    {10, &RandomInputTest::closeToolWindow},
            {4, &RandomInputTest::saveScheme},          {4, &RandomInputTest::openSavedScheme},
            {1, &RandomInputTest::exitProgram},         {1, &RandomInputTest::showAbout},
        };
        int roll = pick(1000);
        for (const Choice& choice : choices) {
            if (roll < choice.weight) {
                closePopups(choice.run == &RandomInputTest::usePopup);
                // Answers are handed only to the dialogs an action asks for on purpose; any
                // other dialog is cancelled.
                dialogs_.answers.clear();
                modalCloser_.start();
                const std::string what = (this->*choice.run)();
                modalCloser_.stop();
                return what;
            }
            roll -= choice.weight;
        }
        return {};
    }

    std::mt19937 random_;
    QTimer modalCloser_;
    QToolBar* toolbar_ = nullptr;
    QMenu* popup_ = nullptr;
    bool shutDown_ = false;
    std::size_t seenMessages_ = 0;
    std::string problem_;
    std::function<std::optional<std::string>()> afterSettle_;
    std::array<bool, kToolWindowCount> openBefore_{};
    std::vector<std::uint8_t> savedScheme_;
};

TEST_F(RandomInputTest, TensOfThousandsOfActionsKeepEveryInvariant)
{
    std::uint32_t seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (const char* text = std::getenv(kSeedVariable); text != nullptr && *text != '\0') {
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), seed);
        ASSERT_TRUE(error == std::errc() && *end == '\0')
            << kSeedVariable << " must be a whole number, not \"" << text << '"';
    }
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string replay = std::string(kSeedVariable) + "=" + std::to_string(seed) +
                               " mainwindow_tests --gtest_filter=" + test->test_suite_name() + "." +
                               test->name();
    std::fprintf(stderr, "Random input seed %u; replay with: %s\n", seed, replay.c_str());
    std::fflush(stderr);
    RecordProperty("seed", std::to_string(seed));
    random_.seed(seed);
    CrashNoteGuard note(seed);

    ASSERT_EQ(brokenInvariant(*window_, state_), std::nullopt) << "before any action";
    for (int index = 0; index < kActions; ++index) {
        openBefore_ = openTools();
        problem_.clear();
        afterSettle_ = nullptr;
        note.starting(index);
        const std::string action = act();
        note.add(index, action);
        settle();

        std::optional<std::string> broken;
        if (!problem_.empty())
            broken = problem_;
        if (!broken && afterSettle_)
            broken = afterSettle_();
        if (!broken && shutDown_)
            broken = restartAfterExit();
        if (!broken)
            broken = unexpectedMessage();
        if (!broken)
            broken = brokenInvariant(*window_, state_);
        if (broken) {
            FAIL() << *broken << "\nafter action " << index << ": " << action
                   << "\nreplay with: " << replay << "\nlast actions:\n"
                   << note.lastActions();
        }
    }
}

} // namespace orvane::test
