// The entry routine: shows the splash, builds the shared state, reads the settings, offers the
// Quick Tips and starts the main window.

#include "core/AppState.h"
#include "core/CommandLine.h"
#include "core/SettingsStore.h"
#include "filedialog/QtFileDialogBackend.h"
#include "mainwindow/MainWindow.h"
#include "toolwindows/AboutWindow.h"
#include "toolwindows/TipsWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/ShellOpener.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <random>

namespace {

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

std::vector<std::string> argumentsAfterProgram(const QStringList& arguments)
{
    std::vector<std::string> after;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        after.push_back(arguments[i].toStdString());
    return after;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    orvane::AppState state;
    state.StartupFile = orvane::startupFileFromArguments(argumentsAfterProgram(application.arguments()));
    // Seeded once per run, so that the first Quick Tip differs between runs.
    std::mt19937 engine(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto random = [&] { return unit(engine); };

    (new orvane::AboutWindow)->show();

    orvane::SetDefaults(state);
    const std::filesystem::path programDir = toPath(QApplication::applicationDirPath());
    const orvane::SettingsStore settings(
        programDir, toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    const auto loaded = settings.load(state);

    if (orvane::isSet(state.ShowTipsAtStart)) {
        orvane::TipsWindow tips(state, programDir / "tips.txt", random);
        tips.exec();
    }

    orvane::QtMessageBoxes messages;
    orvane::DesktopShellOpener shell;
    orvane::QtFileDialogBackend dialogs;
    orvane::QtScreenGrabber grabber;
    orvane::MainWindow window(state,
                              {programDir, settings, &messages, &shell, &dialogs, &grabber, random});
    QObject::connect(&window, &orvane::MainWindow::shutDown, &application, &QApplication::quit);
    window.startUp();

    if (loaded == orvane::SettingsStore::LoadResult::Unreadable) {
        QTimer::singleShot(0, &window, [&] {
            messages.warning(&window, QStringLiteral("Orvane"),
                             QObject::tr("Orvane could not read its settings file and starts with "
                                         "the default settings."));
        });
    }
    return QApplication::exec();
}
