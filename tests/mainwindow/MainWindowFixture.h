#pragma once

#include "core/AppState.h"
#include "filedialog/ScriptedBackend.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ValueEntryPanel.h"
#include "support/PreparedScreenGrabber.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingShellOpener.h"
#include "widgets/SwatchWidget.h"
#include "widgets/ToolWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace orvane::test {

inline bool isOpen(const ToolWindow* window)
{
    return window != nullptr && window->isVisible();
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh state and main window in a temporary program folder, started as the program starts.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        std::filesystem::create_directories(programDir_);
        restart();
    }
    void TearDown() override { window_.reset(); }

    // Starts afresh as the entry routine does: defaults, the settings file, the command line's
    // scheme, then the window.
    void restart(const std::string& startupFile = {})
    {
        window_.reset();
        state_ = AppState{};
        SetDefaults(state_);
        loaded_ = settings().load(state_);
        state_.StartupFile = startupFile;
        window_ = std::make_unique<MainWindow>(
            state_, MainWindowEnvironment{programDir_, settings(), &messages_, &shell_, &dialogs_,
                                          &grabber_, [] { return 0.0; }});
        window_->startUp();
    }
    SettingsStore settings() const { return SettingsStore(programDir_, configDir_); }

    // Answers the file dialog the command opens with this path.
    void runDialog(const char* command, const std::filesystem::path& path)
    {
        dialogs_.answers.push_back(DialogChoice{path.string(), path.filename().string(), 1, 0});
        action(command)->trigger();
        QCoreApplication::processEvents();
    }

    QAction* action(const char* name) const
    {
        return window_->findChild<QAction*>(QString::fromLatin1(name));
    }
    QString channels() const
    {
        const auto texts = window_->valueEntry()->channelTexts();
        return texts[0] + ' ' + texts[1] + ' ' + texts[2];
    }

    QTemporaryDir folder_;
    std::filesystem::path programDir_ = folder_.filePath(QStringLiteral("program")).toStdString();
    std::filesystem::path configDir_ = folder_.filePath(QStringLiteral("config")).toStdString();
    AppState state_;
    SettingsStore::LoadResult loaded_{};
    RecordingMessageBoxes messages_;
    RecordingShellOpener shell_;
    ScriptedBackend dialogs_;
    PreparedScreenGrabber grabber_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace orvane::test
