#pragma once

#include "core/AppState.h"
#include "filedialog/ScriptedBackend.h"
#include "mainwindow/MainWindow.h"
#include "support/PreparedScreenGrabber.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingShellOpener.h"
#include "widgets/SwatchWidget.h"
#include "widgets/ToolWindow.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace orvane::test {

inline bool isOpen(const ToolWindow* window)
{
    return window != nullptr && window->isVisible();
}

// A fresh state and main window in a temporary program folder, started as the program starts.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window without running the start-up steps.
    void createWindow();
    MainWindowEnvironment environment(const std::filesystem::path& programDir,
                                      const std::filesystem::path& userConfigDir);
    std::filesystem::path programDir() const;
    std::filesystem::path userConfigDir() const;

    ColorValue swatchColor(int index) const;
    std::array<QString, 3> channelTexts() const;
    QString hexText() const;
    QAction* action(const char* name) const;

    QTemporaryDir folder_;
    AppState state_;
    RecordingMessageBoxes messages_;
    RecordingShellOpener shell_;
    ScriptedBackend dialogs_;
    PreparedScreenGrabber grabber_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace orvane::test
