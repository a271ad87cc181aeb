// The entry routine: builds the shared state, reads the settings and starts the main window.

#include "core/AppState.h"
#include "core/CommandLine.h"
#include "core/SettingsStore.h"
#include "mainwindow/MainWindow.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

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

    orvane::SetDefaults(state);
    const std::filesystem::path programDir = toPath(QApplication::applicationDirPath());
    const orvane::SettingsStore settings(
        programDir, toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    const auto loaded = settings.load(state);

    orvane::QtMessageBoxes messages;
    orvane::MainWindow window(state, {programDir, settings, &messages});
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
