// SPDX-License-Identifier: MIT
// The entry routine: answers --help and --version, or builds the shared state, reads the
// settings, shows the splash, offers the Quick Tips and starts the main window.

#include "app/CommandLineReply.h"
#include "app/FirstPaintReporter.h"
#include "app/Translations.h"
#include "core/AppState.h"
#include "core/CommandLine.h"
#include "core/DesktopSession.h"
#include "core/SettingsStore.h"
#include "core/TipsFile.h"
#include "filedialog/QtFileDialogBackend.h"
#include "mainwindow/MainWindow.h"
#include "toolwindows/AboutWindow.h"
#include "toolwindows/TipsWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PortalScreenGrabber.h"
#include "widgets/ScreenGrabber.h"
#include "widgets/ShellOpener.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace {

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

// A Wayland session hands the screen over only through the desktop portal, also to a program
// that runs through XWayland; an X11 session lets the program grab it directly.
std::unique_ptr<orvane::ScreenGrabber> screenGrabberForSession()
{
    if (orvane::isWaylandSession(qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                                 qEnvironmentVariable("XDG_SESSION_TYPE").toStdString()))
        return std::make_unique<orvane::PortalScreenGrabber>();
    return std::make_unique<orvane::QtScreenGrabber>();
}

// The arguments the toolkit left after the program's name, then those from the first "--" on,
// which the toolkit never saw.
std::vector<std::string> argumentsAfterProgram(const QStringList& toolkitArguments,
                                               const std::vector<std::string>& fromEndOfOptions)
{
    std::vector<std::string> after;
    for (qsizetype i = 1; i < toolkitArguments.size(); ++i)
        after.push_back(toolkitArguments[i].toStdString());
    after.insert(after.end(), fromEndOfOptions.begin(), fromEndOfOptions.end());
    return after;
}

// The arguments after the program's name, as the program received them.
std::vector<std::string> argumentsAsReceived(int argc, const char* const* argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

bool isExistingFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

int main(int argc, char* argv[])
{
    const orvane::CommandLineDecision decision = orvane::decideCommandLine(
        argumentsAsReceived(argc, argv), {orvane::kReportFirstPaintOption}, isExistingFile);
    const bool startsWindows = decision.request == orvane::CommandLineRequest::Start;
    // Decided before the application object exists, as that object picks the platform; should
    // the X display refuse the connection, Qt goes on to the next platform of the list.
    if (orvane::prefersXWayland(qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                                qEnvironmentVariable("XDG_SESSION_TYPE").toStdString(),
                                qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
                                qEnvironmentVariable("DISPLAY").toStdString()))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    int toolkitArgc = orvane::argumentsBeforeEndOfOptions(argc, argv);
    std::vector<std::string> fromEndOfOptions;
    for (int i = toolkitArgc; i < argc; ++i)
        fromEndOfOptions.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    // Help, the version and a wrong option are printed without a display. One application object
    // in either case, so that what is set up on it serves the printed texts and the windows alike.
    const std::unique_ptr<QCoreApplication> application =
        startsWindows ? std::make_unique<QApplication>(toolkitArgc, argv)
                      : std::make_unique<QCoreApplication>(toolkitArgc, argv);
    const std::filesystem::path programDir = toPath(QCoreApplication::applicationDirPath());
    const std::string language = orvane::installTranslations(*application, programDir);
    if (!startsWindows)
        return orvane::replyToCommandLine(decision);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    // Lets desktops match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    orvane::AppState state;
    std::vector<std::string> arguments =
        argumentsAfterProgram(QCoreApplication::arguments(), fromEndOfOptions);
    const bool reportFirstPaint = orvane::takeOption(arguments, orvane::kReportFirstPaintOption);
    state.StartupFile = orvane::startupFileFromArguments(arguments);
    // Seeded once per run, so that the first Quick Tip differs between runs.
    std::mt19937 engine(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto random = [&] { return unit(engine); };

    orvane::SetDefaults(state);
    const orvane::SettingsStore settings(
        programDir, toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    const auto loaded = settings.load(state);

    // The splash greets; it shows no progress, as nothing paints before an event loop runs. It
    // never takes the focus: when it appears after the main window, the keys stay there.
    const auto showSplash = [] {
        auto* splash = new orvane::AboutWindow;
        splash->setAttribute(Qt::WA_ShowWithoutActivating);
        splash->show();
    };
    const bool showTips = orvane::isSet(state.ShowTipsAtStart);
    if (showTips) {
        // The Quick Tips' own event loop paints the splash beside them.
        showSplash();
        orvane::TipsWindow tips(state, orvane::tipsFileFor(programDir, language), random);
        tips.exec();
    }

    orvane::QtMessageBoxes messages;
    orvane::DesktopShellOpener shell;
    orvane::QtFileDialogBackend dialogs;
    const std::unique_ptr<orvane::ScreenGrabber> grabber = screenGrabberForSession();
    orvane::MainWindow window(state, {programDir, settings, &messages, &shell, &dialogs,
                                      grabber.get(), random, language});
    QObject::connect(&window, &orvane::MainWindow::shutDown, application.get(),
                     &QCoreApplication::quit);
    // Without the Quick Tips, a splash shown now would appear together with the main window
    // anyway, while its window and picture held that window's first paint back.
    if (!showTips)
        QObject::connect(&window, &orvane::MainWindow::firstPainted, showSplash);
    if (reportFirstPaint)
        new orvane::FirstPaintReporter(&window);
    window.startUp();

    if (loaded == orvane::SettingsStore::LoadResult::Unreadable) {
        QTimer::singleShot(0, &window, [&] {
            messages.warning(&window, QStringLiteral("Orvane"),
                             QCoreApplication::translate(
                                 "Main", "Orvane could not read its settings file and starts "
                                         "with the default settings."));
        });
    }
    return QApplication::exec();
}
