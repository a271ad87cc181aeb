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

std::vector<fs::path> filesIn(const fs::path& folder)
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.push_back(entry.path().filename());
    return found;
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

    // By WebColors index: the four panels, then the five texts.
    QWidget* element(int index) const
    {
        return window_->findChild<QWidget*>(index < 4 ? QStringLiteral("Picture2_%1").arg(index)
                                                      : QStringLiteral("Label1_%1").arg(index - 4));
    }
    QString status(int number) const
    {
        return window_->findChild<QLabel*>(QStringLiteral("Panel%1").arg(number))->text();
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

    void answerSaveWith(const fs::path& path)
    {
        dialogs_.answers.push_back(DialogChoice{path.string(), path.filename().string(), 1,
                                                kOfnOverwritePrompt | kOfnHideReadOnly});
    }

    AppState state_;
    ColorValue current_ = kCurrent;
    ScriptedBackend dialogs_;
    RecordingMessageBoxes messages_;
    fs::path folder_;
    QPointer<WebPreviewWindow> window_;
};

} // namespace

TEST_F(WebPreviewWindowTest, ShowsHoversPaintsAsksForThePopupAndStoresOnClosing)
{
    open();
    EXPECT_EQ(window_->elementColors(), kDefaultColors);
    QTest::mouseMove(element(0), QPoint(200, 30));
    EXPECT_EQ(status(1), "RGB: 65.50.209");
    EXPECT_EQ(status(2), "HEX: #4132D1");
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
    Colors expected = kDefaultColors;
    expected[1] = kOrange;
    expected[2] = kCurrent;
    expected[6] = kCurrent;
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(popup.count(), 0);

    state_.PopupColor = kOrange;
    QTest::mouseClick(element(8), Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(state_.PopupColor, 0);
    ASSERT_EQ(popup.count(), 1);
    // The body text sits in the body box, below the toolbar.
    EXPECT_EQ(popup.at(0).at(0).toPoint(),
              window_->mapToGlobal(QPoint(120 + 36 + 5, 24 + 70 + 33 + 7)));
    EXPECT_EQ(window_->elementColors(), expected);
    EXPECT_EQ(state_.WebColors, kDefaultColors);

    // The colours shown, here the reset ones, are stored when the window closes.
    QSignalSpy closed(window_.data(), &WebPreviewWindow::closed);
    window_->findChild<QAction*>("Toolbar1_2")->trigger();
    EXPECT_EQ(window_->elementColors(), kResetColors);
    window_->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(state_.WebColors, kResetColors);
}

TEST_F(WebPreviewWindowTest, SavedPageCarriesTheColoursShownAtThatMoment)
{
    open();
    const fs::path first = folder_ / "scheme.html";
    answerSaveWith(first);
    window_->findChild<QAction*>("Toolbar1_1")->trigger();
    EXPECT_EQ(readFile(first), buildWebPage(webPageColorsFrom(kDefaultColors)));
    // A save dialog for an HTML file, owned by the window; the rest are the dialog's defaults.
    ASSERT_EQ(dialogs_.records.size(), 1u);
    const DialogRecord& record = dialogs_.records[0];
    EXPECT_EQ(record.kind, DialogKind::Save);
    EXPECT_EQ(record.defaultExtension, "html");
    EXPECT_EQ(record.filter, "HTML File (*.html;*.htm)\0*.html;*.htm\0\0"s);
    EXPECT_EQ(record.owner, static_cast<std::int64_t>(window_->winId()));

    // A colour dropped but not yet stored is exported; the path is used as the dialog gave it.
    const std::unique_ptr<QMimeData> mime(makeColorMime(kOrange));
    EXPECT_TRUE(dropColor(element(0), mime.get()));
    const fs::path second = folder_ / "dropped";
    answerSaveWith(second);
    window_->saveAsWebPage();
    Colors dropped = kDefaultColors;
    dropped[0] = kOrange;
    EXPECT_EQ(readFile(second), buildWebPage(webPageColorsFrom(dropped)));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(state_.WebColors, kDefaultColors);
    EXPECT_EQ(filesIn(folder_).size(), 2u) << "no temporary file left behind";
}

// A cancelled save writes nothing; one that cannot be written is reported once.
TEST_F(WebPreviewWindowTest, CancelledOrFailedSavesWriteNothing)
{
    const fs::path existing = folder_ / "page.html";
    std::ofstream(existing, std::ios::binary) << "keep me";
    open();
    window_->saveAsWebPage();
    EXPECT_TRUE(messages_.shown.empty());
    const fs::path impossible = existing / "page.html";
    answerSaveWith(impossible);
    window_->saveAsWebPage();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("The web page could not be saved to %1.")
                                           .arg(QString::fromStdString(impossible.string())));
    EXPECT_EQ(readFile(existing), "keep me");
    EXPECT_EQ(filesIn(folder_), std::vector<fs::path>{"page.html"});
}

} // namespace orvane::test
