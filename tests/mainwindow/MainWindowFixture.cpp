#include "MainWindowFixture.h"

#include "mainwindow/ValueEntryPanel.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QLineEdit>

namespace orvane::test {

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    std::filesystem::create_directories(programDir());
    SetDefaults(state_);
    createWindow();
    window_->startUp();
}

void MainWindowTest::TearDown()
{
    if (window_)
        window_->hide();
    window_.reset();
}

void MainWindowTest::createWindow()
{
    window_ = std::make_unique<MainWindow>(state_, environment(programDir(), userConfigDir()));
}

MainWindowEnvironment MainWindowTest::environment(const std::filesystem::path& programDir,
                                                  const std::filesystem::path& userConfigDir)
{
    return {programDir,        SettingsStore(programDir, userConfigDir),
            &messages_,        &shell_,
            &dialogs_,         &grabber_,
            [] { return 0.0; }};
}

std::filesystem::path MainWindowTest::programDir() const
{
    return std::filesystem::path(folder_.path().toStdString()) / "program";
}

std::filesystem::path MainWindowTest::userConfigDir() const
{
    return std::filesystem::path(folder_.path().toStdString()) / "config";
}

ColorValue MainWindowTest::swatchColor(int index) const
{
    return window_->swatch(index)->color();
}

std::array<QString, 3> MainWindowTest::channelTexts() const
{
    return window_->valueEntry()->channelTexts();
}

QString MainWindowTest::hexText() const
{
    return window_->valueEntry()->hexText();
}

QAction* MainWindowTest::action(const char* name) const
{
    return window_->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace orvane::test
