// SPDX-License-Identifier: MIT
#include "webpreview/WebPreviewWindow.h"

#include "core/AppState.h"
#include "filedialog/ScriptedBackend.h"
#include "support/RecordingMessageBoxes.h"
#include "webpreview/WebPage.h"
#include "widgets/ColorMime.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

namespace orvane::test {

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

using Colors = std::array<ColorValue, kWebColorCount>;

constexpr ColorValue kCurrent = 51 + 35 * 256 + 231 * 65536; // #3323E7
constexpr ColorValue kOrange = 33023;                        // 255, 128, 0
constexpr Colors kResetColors = {0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xFFFFFF, 0, 0, 0, 0, 0};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Opens the window as the main window's toggle does, placed at its stored position, with an
// empty folder to save into.
class WebPreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(state_);
        defaults_ = state_.WebColors;
        fs::create_directories(folder_);
        window_ = new WebPreviewWindow(
            state_, [this] { return current_; }, dialogs_, messages_);
        window_->placeAtStoredPosition();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.data()));
    }
    void TearDown() override
    {
        delete window_.data();
        fs::remove_all(folder_);
    }

    // By WebColors index: the four panels, then the five texts.
    QWidget* element(int index) const
    {
        return window_->findChild<QWidget*>(index < 4 ? QStringLiteral("Picture2_%1").arg(index)
                                                      : QStringLiteral("Label1_%1").arg(index - 4));
    }

    // Delivers a drop as the window system does, from outside this window; tells if entered.
    static bool dropColor(QWidget* target, const QMimeData* mime)
    {
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(3, 3), Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
        return enter.isAccepted();
    }

    AppState state_;
    Colors defaults_;
    ColorValue current_ = kCurrent;
    ScriptedBackend dialogs_;
    RecordingMessageBoxes messages_;
    fs::path folder_ = fs::path(::testing::TempDir()) /
                       ::testing::UnitTest::GetInstance()->current_test_info()->name();
    QPointer<WebPreviewWindow> window_;
};

} // namespace

TEST_F(WebPreviewWindowTest, ShowsHoversPaintsAsksForThePopupAndStoresOnClosing)
{
    QTest::mouseMove(element(0), QPoint(200, 30));
    EXPECT_EQ(window_->findChild<QLabel*>("Panel1")->text(), "RGB: 65.50.209");
    EXPECT_EQ(element(0)->toolTip(), "#4132D1");

    // Left click and a colour from elsewhere paint, right click asks for the popup on the
    // element's colour; the middle button and other data do nothing. Nothing is stored yet.
    QSignalSpy popup(window_.data(), &WebPreviewWindow::popupRequested);
    QTest::mouseClick(element(2), Qt::LeftButton, {}, QPoint(150, 120));
    QTest::mouseClick(element(6), Qt::LeftButton, {}, QPoint(5, 5));
    current_ = kOrange;
    QTest::mouseClick(element(0), Qt::MiddleButton);
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    EXPECT_TRUE(dropColor(element(1), mime.get()));
    QMimeData plain;
    plain.setText(QStringLiteral("#FF8000"));
    EXPECT_FALSE(dropColor(element(0), &plain));
    Colors expected = defaults_;
    expected[1] = kOrange;
    expected[2] = expected[6] = kCurrent;
    EXPECT_EQ(window_->elementColors(), expected);

    state_.PopupColor = kOrange;
    QTest::mouseClick(element(8), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 1);
    // The body text sits in the body box, below the toolbar.
    EXPECT_EQ(popup.at(0).at(0).toPoint(),
              window_->mapToGlobal(QPoint(120 + 36 + 5, 24 + 70 + 33 + 7)));
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(state_.WebColors, defaults_);

    // The colours shown, here the reset ones, are stored when the window closes.
    QSignalSpy closed(window_.data(), &WebPreviewWindow::closed);
    window_->findChild<QAction*>("Toolbar1_2")->trigger();
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.WebColors, kResetColors);
}

// The page carries the colours shown, also one painted but not yet stored, at the path the
// dialog gave. A cancelled save writes nothing; one that cannot be written, or
// goes to no regular file, is reported once.
TEST_F(WebPreviewWindowTest, SavesThePageShownOrReportsWhyNot)
{
    const fs::path existing = folder_ / "page.html";
    std::ofstream(existing, std::ios::binary) << "keep me";
    window_->saveAsWebPage();
    const fs::path impossible = existing / "page.html";
    dialogs_.answers.push_back(DialogChoice{impossible.string(), "page.html", 1, 0});
    window_->saveAsWebPage();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("The web page could not be saved to %1.")
                                           .arg(QString::fromStdString(impossible.string())));
    EXPECT_EQ(readFile(existing), "keep me");
    dialogs_.answers.push_back(DialogChoice{folder_.string(), "folder", 1, 0});
    window_->saveAsWebPage();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text,
              QStringLiteral("The web page could not be saved to %1: it is not a regular file.")
                  .arg(QString::fromStdString(folder_.string())));

    QTest::mouseClick(element(0), Qt::LeftButton, {}, QPoint(5, 5));
    dialogs_.answers.push_back(DialogChoice{(folder_ / "painted").string(), "painted", 1, 0});
    window_->findChild<QAction*>("Toolbar1_1")->trigger();
    Colors painted = defaults_;
    painted[0] = kCurrent;
    EXPECT_EQ(readFile(folder_ / "painted"), buildWebPage(webPageColorsFrom(painted)));
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(state_.WebColors, defaults_);
    // A save dialog for an HTML file, owned by the window; the end-to-end export sees the rest.
    const DialogRecord& record = dialogs_.records.at(3);
    EXPECT_EQ(record.filter, "HTML File (*.html;*.htm)\0*.html;*.htm\0\0"s);
    EXPECT_EQ(record.owner, static_cast<std::int64_t>(window_->winId()));
}

// The panel below the page follows every colour change; the page keeps its place, the window grows.
TEST_F(WebPreviewWindowTest, TheContrastPanelChecksEachTextOnItsBackground)
{
    auto* panel = window_->findChild<QWidget*>("ContrastPanel");
    const QRect page = element(3)->geometry();
    const int height = window_->height();
    window_->findChild<QAction*>("Toolbar1_3")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(element(3)->geometry(), page);
    EXPECT_EQ(window_->height(), height + panel->height());
    const auto line = [this](int index) {
        auto* label = window_->findChild<QLabel*>(QStringLiteral("ContrastLine_%1").arg(index));
        EXPECT_EQ(label->accessibleName(), label->text());
        return label->text();
    };
    const char* defaults[] = {"Page title on page background: 8.71:1, AA pass, AAA pass",
                              "Header text on header bar: 8.07:1, AA pass, AAA pass",
                              "Links on side bar: 9.17:1, AA pass, AAA pass",
                              "Body caption on body box: 8.68:1, AA pass, AAA pass",
                              "Body text on body box: 21.00:1, AA pass, AAA pass"};
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(line(index), defaults[index]);

    // The header bar's blue dropped on the header text; the grey that just passes AA on white.
    for (const auto& [target, color] : {std::pair(5, defaults_[0]), std::pair(8, 0x767676)}) {
        const std::unique_ptr<QMimeData> mime(makeColorMime(color));
        dropColor(element(target), mime.get());
    }
    EXPECT_EQ(line(1), "Header text on header bar: 1.00:1, AA fail, AAA fail");
    EXPECT_EQ(line(4), "Body text on body box: 4.54:1, AA pass, AAA fail");
    window_->findChild<QAction*>("Toolbar1_3")->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(window_->height(), height);
}

} // namespace orvane::test
