// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"
#include "core/UndoHistory.h"
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
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace orvane::test {

// A fresh state and main window in a temporary program folder, started as the program starts.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        std::filesystem::create_directories(programDir_);
        restart();
    }

    // Starts afresh as the entry routine does: defaults, the settings file, the command line's
    // scheme, then the window.
    void restart(const std::string& startupFile = {})
    {
        window_.reset();
        state_ = AppState{};
        SetDefaults(state_);
        loaded_ = SettingsStore(programDir_, configDir_).load(state_);
        state_.StartupFile = startupFile;
        window_ = std::make_unique<MainWindow>(
            state_,
            MainWindowEnvironment{programDir_, SettingsStore(programDir_, configDir_), &messages_,
                                  &shell_, &dialogs_, &grabber_, [] { return 0.0; }});
        window_->startUp();
    }

    // Answers the file dialog the command opens with this path.
    void runDialog(const char* command, const std::filesystem::path& path)
    {
        dialogs_.answers.push_back(DialogChoice{path.string(), path.filename().string(), 1, 0});
        action(command)->trigger();
        QCoreApplication::processEvents();
    }

    // The window goes on working: a colour set now shows everywhere and every rule holds.
    void expectResponsive()
    {
        window_->SetAll(12, 34, 56, false);
        QCoreApplication::processEvents();
        EXPECT_EQ(window_->valueEntry()->hexText(), "0C2238");
        EXPECT_EQ(brokenInvariant(false), std::nullopt);
    }

    static bool isOpen(const ToolWindow* window) { return window && window->isVisible(); }
    // Rules that hold between any two user actions, whatever they were: the undo history and its
    // menu items, the colours shown and stored, the value boxes and the tool-window toggles.
    // Returns the first rule found broken. storedColoursValid is false after a scheme file of
    // arbitrary bytes, whose favourite and web colours the program keeps as they are.
    std::optional<std::string> brokenInvariant(bool storedColoursValid = true) const
    {
        const MainActions& menu = window_->actions();
        if (state_.UndoPos < 1 || state_.UndoPos > kUndoLastSlot)
            return "the undo cursor is at " + std::to_string(state_.UndoPos);
        if (menu.undo->isEnabled() != canUndo(state_) || menu.redo->isEnabled() != canRedo(state_))
            return "Undo or Redo is enabled wrongly at " + std::to_string(state_.UndoPos);
        std::vector<ColorValue> colours(state_.UndoColors.begin() + 1,
                                        state_.UndoColors.begin() + state_.UndoPos + 1);
        for (int index = 0; index <= kCurrentSwatch; ++index)
            colours.push_back(window_->swatch(index)->color());
        if (storedColoursValid) {
            colours.insert(colours.end(), state_.WebColors.begin(), state_.WebColors.end());
            std::copy_if(state_.FavColors.begin(), state_.FavColors.end(),
                         std::back_inserter(colours),
                         [](ColorValue color) { return color != kNoColor; });
        }
        if (!std::all_of(colours.begin(), colours.end(), isValidColor))
            return "an undo slot, swatch, favourite or web colour holds no colour";
        // Every edit settles a channel box, so between actions it holds a number 0-255.
        static const QRegularExpression channelForm(QStringLiteral("^[0-9]{1,3}$"));
        static const QRegularExpression hexForm(QStringLiteral("^[0-9A-Fa-f]{0,6}$"));
        for (int channel = 0; channel < 3; ++channel) {
            const QString text = window_->valueEntry()->channelBox(channel)->text();
            if (!channelForm.match(text).hasMatch() || text.toInt() > 255)
                return "a channel box holds " + text.toStdString();
        }
        if (!hexForm.match(window_->valueEntry()->hexText()).hasMatch())
            return "the HEX box holds " + window_->valueEntry()->hexText().toStdString();
        // Indexed by ToolWindowIndex.
        const std::pair<QAction*, const char*> toggles[] = {{menu.showFavorites, "Toolbar1_13"},
                                                            {menu.showHarmonies, "Toolbar1_15"},
                                                            {menu.showHistory, "Toolbar1_14"},
                                                            {menu.showWebPreview, "Toolbar1_16"}};
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            const bool open = isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool)));
            const auto& [item, button] = toggles[tool];
            if (item->text().startsWith(QLatin1String("Hide")) != open ||
                window_->findChild<QAction*>(QLatin1String(button))->isChecked() != open)
                return item->text().toStdString() + " or " + button + " misreads its window";
        }
        return std::nullopt;
    }

    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
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
