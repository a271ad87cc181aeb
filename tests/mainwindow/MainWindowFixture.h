#pragma once

#include "core/AppState.h"
#include "mainwindow/MainWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/SwatchWidget.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Lets failures show texts rather than bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace orvane::test {

// Records message boxes instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Message {
        QString title;
        QString text;
    };
    void information(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text});
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text});
    }
    std::vector<Message> shown;
};

// A fresh state and main window in a temporary program folder, started as the program starts.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window without running the start-up steps.
    void createWindow();
    std::filesystem::path programDir() const;
    std::filesystem::path userConfigDir() const;

    ColorValue swatchColor(int index) const;
    std::array<QString, 3> channelTexts() const;
    QString hexText() const;
    QAction* action(const char* name) const;

    QTemporaryDir folder_;
    AppState state_;
    RecordingMessageBoxes messages_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace orvane::test
