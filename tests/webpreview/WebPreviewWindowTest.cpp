#include "webpreview/WebPreviewWindow.h"

#include "core/AppState.h"
#include "filedialog/ScriptedBackend.h"
#include "support/RecordingMessageBoxes.h"
#include "webpreview/WebPage.h"
#include "widgets/ColorMime.h"

#include <QAction>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace orvane::test {

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using Colors = std::array<ColorValue, kWebColorCount>;

constexpr ColorValue kCurrent = 51 + 35 * 256 + 231 * 65536; // #3323E7
constexpr ColorValue kOrange = 33023;                        // 255, 128, 0
constexpr Colors kDefaultColors = {0xD13241, 0x21BD7D, 0xFFFFFF, 0x0087FF, 0x000000,
                                   0xFFFFFF, 0x000000, 0x804D1A, 0x000000};
constexpr Colors kResetColors = {0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xFFFFFF, 0, 0, 0, 0, 0};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<fs::path> filesIn(const fs::path& folder)
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.push_back(entry.path().filename());
    return found;
}

QRgb rgbOf(ColorValue color)
{
    const RgbChannels c = SplitColor(color);
    return qRgb(c.red, c.green, c.blue);
}

class WebPreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(state_);
        folder_ = fs::path(::testing::TempDir()) /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    void TearDown() override
    {
        delete window_.data();
        fs::remove_all(folder_);
    }

    // Opens the window as the main window's toggle does: placed at its stored position, shown.
    void open()
    {
        window_ = new WebPreviewWindow(
            state_, [this] { return current_; }, dialogs_, messages_);
        window_->placeAtStoredPosition();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
    }

    // Closes the window and lets its deferred deletion run.
    void closeWindow()
    {
        window_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(window_.isNull());
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // By WebColors index: the four panels, then the five texts.
    QWidget* element(int index) const
    {
        return index < 4 ? child<QWidget>(QStringLiteral("Picture2_%1").arg(index))
                         : child<QWidget>(QStringLiteral("Label1_%1").arg(index - 4));
    }
    QLabel* statusPanel(int number) const
    {
        return child<QLabel>(QStringLiteral("Panel%1").arg(number));
    }
    QAction* toolbarButton(int number) const
    {
        return child<QAction>(QStringLiteral("Toolbar1_%1").arg(number));
    }
    bool statusShows(const QString& rgb, const QString& hex) const
    {
        return statusPanel(1)->text() == rgb && statusPanel(2)->text() == hex;
    }

    // Delivers a drop as the window system does, from outside this window.
    static void dropColor(QWidget* target, const QMimeData* mime, bool* entered = nullptr)
    {
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        if (entered != nullptr)
            *entered = enter.isAccepted();
        QDropEvent drop(QPointF(3, 3), Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
    }

    void answerSaveWith(const fs::path& path)
    {
        DialogChoice choice;
        choice.fileName = path.string();
        choice.fileTitle = path.filename().string();
        choice.filterIndex = 1;
        choice.flags = kOfnOverwritePrompt | kOfnHideReadOnly;
        dialogs_.answers.push_back(choice);
    }

    AppState state_;
    ColorValue current_ = kCurrent;
    ScriptedBackend dialogs_;
    RecordingMessageBoxes messages_;
    fs::path folder_;
    QPointer<WebPreviewWindow> window_;
};

} // namespace

TEST_F(WebPreviewWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    open();
    EXPECT_EQ(window_->objectName(), "Web");
    EXPECT_EQ(window_->windowTitle(), "Web Preview");
    EXPECT_EQ(window_->size(), QSize(334, 274));
    EXPECT_EQ(child<QToolBar>("Toolbar1")->geometry(), QRect(0, 0, 334, 24));
    EXPECT_EQ(child<QStatusBar>("StatusBar1")->geometry(), QRect(0, 251, 334, 23));

    struct Expected {
        int index;
        int container; // -1 for the window itself
        QRect geometry;
    };
    const Expected layout[] = {
        {3, -1, QRect(0, 24, 334, 227)}, {0, 3, QRect(32, 36, 265, 35)},
        {1, 3, QRect(32, 70, 89, 141)},  {2, 3, QRect(120, 70, 177, 141)},
        {4, 3, QRect(64, 8, 201, 19)},   {5, 0, QRect(15, 7, 85, 17)},
        {6, 1, QRect(15, 9, 32, 98)},    {7, 2, QRect(15, 9, 83, 14)},
        {8, 2, QRect(36, 33, 128, 28)},
    };
    for (const Expected& expected : layout) {
        QWidget* widget = element(expected.index);
        QWidget* container = expected.container < 0 ? window_.data() : element(expected.container);
        EXPECT_EQ(widget->parentWidget(), container) << expected.index;
        EXPECT_EQ(widget->geometry(), expected.geometry) << expected.index;
        EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor) << expected.index;
    }
}

TEST_F(WebPreviewWindowTest, TextsAndFonts)
{
    open();
    struct Expected {
        int index;
        double points;
        bool bold;
        bool underline;
    };
    const Expected fonts[] = {
        {4, 12, true, false}, {5, 10.5, true, false}, {6, 9, false, true},
        {7, 9, true, false},  {8, 9, false, false},
    };
    for (const Expected& expected : fonts) {
        const QFont font = element(expected.index)->font();
        EXPECT_EQ(font.family(), "Tahoma") << expected.index;
        EXPECT_EQ(font.styleHint(), QFont::SansSerif) << expected.index;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points) << expected.index;
        EXPECT_EQ(font.bold(), expected.bold) << expected.index;
        EXPECT_EQ(font.underline(), expected.underline) << expected.index;
    }

    EXPECT_EQ(toolbarButton(1)->toolTip(), "Save As Web Page");
    EXPECT_EQ(toolbarButton(2)->toolTip(), "Reset Colors");
    for (int number : {1, 2}) {
        EXPECT_FALSE(toolbarButton(number)->icon().isNull());
        QWidget* button = child<QToolBar>("Toolbar1")->widgetForAction(toolbarButton(number));
        EXPECT_EQ(button->accessibleName(), toolbarButton(number)->toolTip());
    }
    EXPECT_EQ(statusPanel(1)->toolTip(), "Current RGB");
    EXPECT_EQ(statusPanel(1)->accessibleName(), "Current RGB");
    EXPECT_EQ(statusPanel(2)->toolTip(), "Current HEX");
    EXPECT_EQ(statusPanel(2)->accessibleName(), "Current HEX");
    EXPECT_EQ(statusPanel(3)->text(), "Right-Click colors for options");
    // Side by side within the status bar, whatever the font.
    const QStatusBar* bar = child<QStatusBar>("StatusBar1");
    for (int number : {1, 2, 3})
        EXPECT_TRUE(bar->rect().contains(statusPanel(number)->geometry())) << number;
    EXPECT_LE(statusPanel(1)->geometry().right(), statusPanel(2)->geometry().left());
    EXPECT_LE(statusPanel(2)->geometry().right(), statusPanel(3)->geometry().left());
}

TEST_F(WebPreviewWindowTest, OpeningShowsTheStoredColours)
{
    open();
    EXPECT_EQ(window_->elementColors(), kDefaultColors);
    EXPECT_EQ(element(0)->accessibleName(), "Header bar, #4132D1");
    EXPECT_EQ(element(3)->accessibleName(), "Page background, #FF8700");
    EXPECT_EQ(element(7)->accessibleName(), "Body caption, #1A4D80");

    // What the user sees: each panel in its colour, each text in its colour over its panel.
    const QImage shot = window_->grab().toImage();
    EXPECT_EQ(shot.pixel(5, 30), rgbOf(0x0087FF)) << "orange page";
    EXPECT_EQ(shot.pixel(250, 90), rgbOf(0xD13241)) << "blue header bar";
    EXPECT_EQ(shot.pixel(40, 230), rgbOf(0x21BD7D)) << "green side bar";
    EXPECT_EQ(shot.pixel(290, 230), rgbOf(0xFFFFFF)) << "white body box";
    struct TextOnPanel {
        int index;
        QRect inWindow;
        ColorValue panel;
    };
    const TextOnPanel texts[] = {
        {4, QRect(64, 32, 201, 19), 0x0087FF},   {5, QRect(47, 67, 85, 17), 0xD13241},
        {6, QRect(47, 103, 32, 98), 0x21BD7D},   {7, QRect(135, 103, 83, 14), 0xFFFFFF},
        {8, QRect(156, 127, 128, 28), 0xFFFFFF},
    };
    // Edges are smoothed, so a pixel counts as ink when it is nearer the text colour than the
    // panel colour.
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    for (const TextOnPanel& text : texts) {
        const QRgb ink = rgbOf(kDefaultColors[text.index]);
        const QRgb paper = rgbOf(text.panel);
        int inked = 0;
        int bare = 0;
        for (int y = text.inWindow.top(); y <= text.inWindow.bottom(); ++y) {
            for (int x = text.inWindow.left(); x <= text.inWindow.right(); ++x) {
                const QRgb pixel = shot.pixel(x, y);
                inked += distance(pixel, ink) < distance(pixel, paper);
                bare += pixel == paper;
            }
        }
        EXPECT_GT(inked, 30) << "text " << text.index << " drawn in its colour";
        EXPECT_GT(bare, text.inWindow.width() * text.inWindow.height() / 3)
            << "text " << text.index << " lets its panel show through";
    }

    // Opening reads WebColors and writes nothing back.
    EXPECT_EQ(state_.WebColors, kDefaultColors);
}

TEST_F(WebPreviewWindowTest, StatusShowsThePageColourOnRepaintAndAnElementsColourOnHover)
{
    open();
    EXPECT_TRUE(QTest::qWaitFor([this] { return statusShows("RGB: 255.135.0", "HEX: #FF8700"); }))
        << statusPanel(1)->text().toStdString();

    QTest::mouseMove(element(0), QPoint(200, 30));
    EXPECT_EQ(statusPanel(1)->text(), "RGB: 65.50.209");
    EXPECT_EQ(statusPanel(2)->text(), "HEX: #4132D1");
    EXPECT_EQ(element(0)->toolTip(), "#4132D1");

    QTest::mouseMove(element(7), QPoint(5, 5));
    EXPECT_EQ(statusPanel(1)->text(), "RGB: 26.77.128");
    EXPECT_EQ(statusPanel(2)->text(), "HEX: #1A4D80");
    EXPECT_EQ(element(7)->toolTip(), "#1A4D80");
    EXPECT_EQ(statusPanel(2)->accessibleDescription(), "HEX: #1A4D80");

    // The status bar redrawing its new texts is no repaint of the page.
    QTest::qWait(50);
    EXPECT_TRUE(statusShows("RGB: 26.77.128", "HEX: #1A4D80"));

    // The page repainting, as when the window is uncovered, brings back the page colour.
    element(3)->update();
    EXPECT_TRUE(QTest::qWaitFor([this] { return statusShows("RGB: 255.135.0", "HEX: #FF8700"); }))
        << statusPanel(1)->text().toStdString();
}

TEST_F(WebPreviewWindowTest, LeftClickPaintsAnElementWithTheCurrentColour)
{
    open();
    QSignalSpy popup(window_.data(), &WebPreviewWindow::popupRequested);

    QTest::mouseClick(element(2), Qt::LeftButton, {}, QPoint(150, 120));
    QTest::mouseClick(element(6), Qt::LeftButton, {}, QPoint(5, 5));
    Colors expected = kDefaultColors;
    expected[2] = kCurrent;
    expected[6] = kCurrent;
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(element(2)->accessibleName(), "Body box, #3323E7");
    EXPECT_EQ(element(6)->accessibleName(), "Links, #3323E7");
    EXPECT_EQ(window_->grab().toImage().pixel(290, 230), rgbOf(kCurrent));

    // The middle button does nothing.
    current_ = kOrange;
    QTest::mouseClick(element(0), Qt::MiddleButton);
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(popup.count(), 0);

    // WebColors waits for the window to close.
    EXPECT_EQ(state_.WebColors, kDefaultColors);
}

TEST_F(WebPreviewWindowTest, RightClickSetsThePopupColourAndAsksForThePopupAtThePointer)
{
    open();
    QSignalSpy popup(window_.data(), &WebPreviewWindow::popupRequested);

    state_.PopupColor = kOrange;
    QTest::mouseClick(element(3), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(state_.PopupColor, 0x0087FF);
    ASSERT_EQ(popup.count(), 1);
    EXPECT_EQ(popup.at(0).at(0).toPoint(), window_->mapToGlobal(QPoint(10, 34)));

    // The body text sits in the body box, below the toolbar.
    state_.PopupColor = kOrange;
    QTest::mouseClick(element(8), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 2);
    EXPECT_EQ(popup.at(1).at(0).toPoint(),
              window_->mapToGlobal(QPoint(120 + 36 + 5, 24 + 70 + 33 + 7)));

    EXPECT_EQ(window_->elementColors(), kDefaultColors) << "a right click changes no colour";
}

TEST_F(WebPreviewWindowTest, DroppingASwatchColourPaintsTheElement)
{
    open();
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    bool entered = false;
    dropColor(element(1), mime.get(), &entered);
    EXPECT_TRUE(entered);
    dropColor(element(7), mime.get());

    Colors expected = kDefaultColors;
    expected[1] = kOrange;
    expected[7] = kOrange;
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(element(1)->accessibleName(), "Side bar, #FF8000");
    EXPECT_EQ(state_.WebColors, kDefaultColors);

    // Anything that is not a colour is refused.
    QMimeData plain;
    plain.setText(QStringLiteral("#FF8000"));
    dropColor(element(0), &plain, &entered);
    EXPECT_FALSE(entered);
    EXPECT_EQ(window_->elementColors(), expected);
}

TEST_F(WebPreviewWindowTest, ResetColoursAreKeptAcrossClosingAndReopening)
{
    open();
    QSignalSpy closed(window_.data(), &WebPreviewWindow::closed);
    toolbarButton(2)->trigger();
    EXPECT_EQ(window_->elementColors(), kResetColors);
    EXPECT_EQ(state_.WebColors, kDefaultColors) << "not stored before closing";

    closeWindow();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.WebColors, kResetColors);

    open();
    EXPECT_EQ(window_->elementColors(), kResetColors);
    EXPECT_EQ(element(3)->accessibleName(), "Page background, #FFFFFF");
    EXPECT_EQ(element(0)->accessibleName(), "Header bar, #C0C0C0");
}

TEST_F(WebPreviewWindowTest, ClosingStoresThePositionAndTheColours)
{
    state_.WebLeft = 1500;
    state_.WebTop = 3000;
    open();
    EXPECT_EQ(window_->pos(), QPoint(100, 200));
    QSignalSpy closed(window_.data(), &WebPreviewWindow::closed);
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    dropColor(element(5), mime.get());
    window_->move(150, 210);

    closeWindow();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.WebLeft, 2250);
    EXPECT_EQ(state_.WebTop, 3150);
    Colors expected = kDefaultColors;
    expected[5] = kOrange;
    EXPECT_EQ(state_.WebColors, expected);
}

TEST_F(WebPreviewWindowTest, StoreColorsCopiesTheElementsWithoutClosing)
{
    state_.WebColors = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    open();
    current_ = kOrange;
    QTest::mouseClick(element(8), Qt::LeftButton);
    window_->storeColors();
    EXPECT_EQ(state_.WebColors, (Colors{1, 2, 3, 4, 5, 6, 7, 8, kOrange}));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(WebPreviewWindowTest, SaveAsWebPageAsksForAnHtmlFileOwnedByTheWindow)
{
    open();
    toolbarButton(1)->trigger();

    ASSERT_EQ(dialogs_.records.size(), 1u);
    const DialogRecord& record = dialogs_.records[0];
    EXPECT_EQ(record.kind, DialogKind::Save);
    EXPECT_EQ(record.defaultExtension, "html");
    EXPECT_EQ(record.filter, "HTML File (*.html;*.htm)\0*.html;*.htm\0\0"s);
    EXPECT_EQ(record.flags, kOfnOverwritePrompt | kOfnHideReadOnly);
    EXPECT_NE(record.owner, 0);
    EXPECT_EQ(record.owner, static_cast<std::int64_t>(window_->winId()));
    EXPECT_EQ(record.fileName, "");
    EXPECT_EQ(record.title, "Orvane");
    EXPECT_EQ(record.initialDirectory, "/home/ann/Documents");
}

TEST_F(WebPreviewWindowTest, SavedPageCarriesTheColoursShownAtThatMoment)
{
    open();
    const fs::path first = folder_ / "scheme.html";
    answerSaveWith(first);
    toolbarButton(1)->trigger();
    EXPECT_EQ(readFile(first), buildWebPage(webPageColorsFrom(kDefaultColors)));

    // A colour dropped but not yet stored is exported; the path is used as the dialog gave it.
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    dropColor(element(0), mime.get());
    const fs::path second = folder_ / "dropped";
    answerSaveWith(second);
    window_->saveAsWebPage();
    Colors dropped = kDefaultColors;
    dropped[0] = kOrange;
    const std::string page = readFile(second);
    EXPECT_EQ(page, buildWebPage(webPageColorsFrom(dropped)));
    EXPECT_NE(page.find("<TD COLSPAN=2 WIDTH=100% BGCOLOR=#FF8000><b><font color=#FFFFFF>"),
              std::string::npos);

    // After Reset Colors an existing file is replaced with the reset page.
    window_->resetColors();
    answerSaveWith(first);
    window_->saveAsWebPage();
    const std::string reset = readFile(first);
    EXPECT_NE(reset.find("\r\n<BODY BGCOLOR=#FFFFFF LINK=#000000 VLINK=#000000 "
                         "style=font-family>\r\n"),
              std::string::npos);
    EXPECT_NE(reset.find("<TD WIDTH=20% HEIGHT=140 BGCOLOR=#C0C0C0 VALIGN=TOP>"),
              std::string::npos);
    EXPECT_EQ(reset, buildWebPage(webPageColorsFrom(kResetColors)));

    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(state_.WebColors, kDefaultColors);
    EXPECT_EQ(filesIn(folder_).size(), 2u) << "no temporary file left behind";
}

TEST_F(WebPreviewWindowTest, CancellingTheDialogWritesNothing)
{
    const fs::path existing = folder_ / "page.html";
    writeFile(existing, "keep me");
    open();
    window_->saveAsWebPage();
    EXPECT_EQ(dialogs_.records.size(), 1u);
    EXPECT_EQ(readFile(existing), "keep me");
    EXPECT_EQ(filesIn(folder_), std::vector<fs::path>{"page.html"});
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(WebPreviewWindowTest, AFileThatCannotBeWrittenIsReportedOnce)
{
    const fs::path plain = folder_ / "plain.txt";
    writeFile(plain, "not a folder");
    open();
    const fs::path impossible = plain / "page.html";
    answerSaveWith(impossible);
    window_->saveAsWebPage();

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, "Orvane");
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("The web page could not be saved to %1.")
                                           .arg(QString::fromStdString(impossible.string())));
    EXPECT_EQ(readFile(plain), "not a folder");
    EXPECT_EQ(filesIn(folder_), std::vector<fs::path>{"plain.txt"});

    // The window carries on: the next save works.
    const fs::path good = folder_ / "good.html";
    answerSaveWith(good);
    window_->saveAsWebPage();
    EXPECT_EQ(readFile(good), buildWebPage(webPageColorsFrom(kDefaultColors)));
    EXPECT_EQ(messages_.shown.size(), 1u);
}

} // namespace orvane::test
