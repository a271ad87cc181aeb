// SPDX-License-Identifier: MIT
// Scheme files, good and bad. Whatever the file, the program reads it as far as it goes or
// reports it, and the window goes on working.

#include "MainWindowFixture.h"

#include "core/SettingsRecord.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <random>
#include <sys/stat.h>

namespace orvane::test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST_F(MainWindowTest, AWindowOpenBeforeAndInTheSchemeStaysOpen)
{
    // The scheme closes the Favorites window and opens it again at once; the closed one is only
    // deleted later, which must not take the reopened window with it.
    runDialog("Save_Scheme", programDir_ / "favourites.vrx");
    runDialog("Toolbar1_1", programDir_ / "favourites.vrx");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_EQ(action("Show_Favorites")->text(), "Hide &Favorites");
    ASSERT_EQ(dialogs_.records.size(), 2u);
    EXPECT_EQ(dialogs_.records[0].kind, DialogKind::Save);
    EXPECT_EQ(dialogs_.records[0].defaultExtension, "vrx");
    EXPECT_EQ(dialogs_.records[0].filter, std::string("Orvane File (*.vrx)\0*.vrx\0\0", 27));
}

TEST_F(MainWindowTest, CancelledOrFailedSavesChangeNothing)
{
    action("Open_Scheme")->trigger();
    action("Toolbar1_2")->trigger();
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_TRUE(messages_.shown.empty());
    // Paths that cannot be written, even by root: one runs through a regular file, the other
    // names this process's memory file, in a folder where nothing can be created. A link to a
    // FIFO is refused as no regular file.
    std::ofstream(programDir_ / "blocker") << "x";
    fs::create_symlink("/proc/self/mem", programDir_ / "failing.vrx");
    ::mkfifo((programDir_ / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", programDir_ / "fifo.vrx");
    for (const char* name : {"blocker/new.vrx", "failing.vrx", "fifo.vrx"})
        runDialog("Save_Scheme", programDir_ / name);
    ASSERT_EQ(messages_.shown.size(), 3u);
    EXPECT_TRUE(messages_.shown[0].text.contains("new.vrx"));
    EXPECT_TRUE(messages_.shown[1].text.contains("failing.vrx"));
    EXPECT_EQ(messages_.shown[2].text,
              QStringLiteral("The scheme could not be saved to %1: it is not a regular file.")
                  .arg(QString::fromStdString((programDir_ / "fifo.vrx").string())));
    EXPECT_TRUE(fs::is_fifo(programDir_ / "fifo"));
}

TEST_F(MainWindowTest, AwkwardSchemeFilesFromTheMenuAndTheCommandLine)
{
    // Prefixes of random bytes: none, a record cut short, a whole record, one with a tail. Their
    // colours may lie outside 24 bits and their windows off every screen.
    std::mt19937 random(86);
    Bytes noise(10000);
    std::ranges::generate(noise, [&] { return std::uint8_t(random()); });
    std::vector<std::pair<std::string, std::optional<Bytes>>> files;
    for (const int size : {0, 1, 85, 86, 10000})
        files.emplace_back(std::to_string(size), Bytes(noise.begin(), noise.begin() + size));
    // A path that cannot be read is reported by name, but one named on the command line is
    // passed over in silence unless it exists and is no folder. "failing" stands for a file on a
    // failing disk: every read of it fails, even for root. It is this process's memory file,
    // whose start lies where nothing is mapped. A FIFO or a device is no file to read.
    for (const char* name : {"folder", "failing", "missing", "fifo", "zero"})
        files.emplace_back(name, std::nullopt);
    fs::create_directory(programDir_ / "folder.vrx");
    fs::create_symlink("/proc/self/mem", programDir_ / "failing.vrx");
    ::mkfifo((programDir_ / "fifo.vrx").c_str(), 0600);
    fs::create_symlink("/dev/zero", programDir_ / "zero.vrx");

    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const fs::path path = programDir_ / (name + ".vrx");
        if (bytes)
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes->data()), std::ssize(*bytes));
        for (const bool fromMenu : {true, false}) {
            messages_.shown.clear();
            runDialog("Save_Scheme", programDir_ / "shown.vrx"); // brings the state up to date
            if (!fromMenu)
                restart(path.string()); // opened by a one-shot timer once the window is up
            AppState expected = state_;
            if (fromMenu)
                runDialog("Open_Scheme", path);
            EXPECT_TRUE(fromMenu || window_->currentColor() == MakeColor(51, 35, 231));
            auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
            while (timer->isActive())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCoreApplication::processEvents();
            if (bytes)
                decodeRecord(*bytes, expected);
            EXPECT_EQ(encodeRecord(state_), encodeRecord(expected));
            EXPECT_EQ(state_.UndoPos, std::min(expected.UndoPos + (bytes ? 1 : 0), 50));
            EXPECT_TRUE(!bytes || window_->currentColor() == (expected.SchemeColor & 0xFFFFFF));
            for (int tool = 0; tool < kToolWindowCount; ++tool) {
                ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool));
                EXPECT_EQ(isOpen(window), isSet(expected.ToolVisible[tool])) << "tool " << tool;
                EXPECT_TRUE(!isOpen(window) ||
                            window->screen()->availableGeometry().contains(window->pos()));
            }
            const bool reported = !bytes && (fromMenu || (name != "folder" && name != "missing"));
            ASSERT_EQ(messages_.shown.size(), reported ? 1u : 0u) << fromMenu;
            EXPECT_TRUE(!reported ||
                        messages_.shown[0].text.contains(QString::fromStdString(path.string())));
            expectResponsive();
        }
    }
}

} // namespace orvane::test
