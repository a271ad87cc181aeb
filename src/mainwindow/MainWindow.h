// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "colour/ColorWorkspace.h"
#include "colour/Scheme.h"
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/SchemeSwatchGrid.h"

#include <QImage>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace orvane {

class ClientArea;
class ColorStatusBar;
class FileDialogBackend;
class MessageBoxes;
class PaletteStack;
class SchemeFileCommands;
class ScreenGrabber;
class ShellOpener;
class ToolWindow;
class ToolWindowHub;
class SwatchWidget;
class ValueEntryPanel;
class VisionMenu;

// What the main window needs from outside: where its files live and the seams tests replace.
struct MainWindowEnvironment {
    std::filesystem::path programDir; // the tips file and help.chm are looked up here
    SettingsStore settings;
    MessageBoxes* messages = nullptr;
    ShellOpener* shell = nullptr;
    FileDialogBackend* dialogs = nullptr;
    ScreenGrabber* grabber = nullptr;
    std::function<double()> random; // a number in [0, 1), for the first Quick Tip
    std::string language = {};      // of the translation in use ("de"), empty for English
};

inline constexpr int kStartColorRed = 51;
inline constexpr int kStartColorGreen = 35;
inline constexpr int kStartColorBlue = 231;

// The main window (Form1): the current colour, undo and redo, and the hub of every command. It
// lays out the parts it is made of and answers their signals; each part keeps its own job.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, MainWindowEnvironment environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The one way the current colour changes: records it for undo unless SkipUndo, and shows it
    // in the current-colour swatch, the value boxes, the derived scheme and its contrast panel.
    void SetAll(Channel red, Channel green, Channel blue, bool SkipUndo);
    // Fills the web-safe grid and draws the spectrum. A hidden spectrum is drawn later: once the
    // window has first painted, or when it is shown, whichever comes first.
    void Web_Tsb_Show();
    // The start-up steps: the tool windows open at the last exit, the first colour, the
    // palettes, the status bar texts, the pointers, and showing the window. What the first
    // paint does not need follows from the event loop right after that paint.
    void startUp();

    void Undo();
    void Redo();

    // The show/hide toggle of a tool window, as the View menu and the toolbar run it.
    void toggleToolWindow(ToolWindowIndex tool);
    // The tool window when it is open, else nothing.
    ToolWindow* toolWindow(ToolWindowIndex tool) const;
    // Shows the Quick Tips window and waits until it is closed.
    void showQuickTips();
    // The whole desktop as one image in device pixels; a null image when the desktop refuses.
    QImage GetScreenSnapshot();
    // Freezes the screen, or where that cannot serve shows the desktop's own picker, lets the
    // user pick a pixel and makes its colour current.
    void pickScreenColor();
    // File > Open Scheme and Save Scheme.
    void openScheme();
    void saveScheme();
    // Opens the scheme file named on the command line, if there is one; runs once, right after
    // the window has appeared.
    void openStartupFile();

    ColorValue currentColor() const;
    SwatchWidget* swatch(int index) const { return grid_->swatch(index); }
    const MainActions& actions() const { return *actions_; }
    ValueEntryPanel* valueEntry() const { return valueEntry_; }
    QString statusText(int panel) const;

signals:
    // The settings are written and the program should end.
    void shutDown();
    // The window has painted for the first time and the start-up work held back until then is
    // done.
    void firstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildClientArea();
    void connectActions();
    // The part of start-up that waits for the first paint.
    void finishStartUp();
    // Brings the fields the settings record keeps up to date from the windows: which tool
    // windows are open and where, the preview's colours and the first scheme swatch.
    void collectPersistentState();
    void showPopup(QPoint globalPosition, bool withFavoriteSlots);

    void selectColor(ColorValue color);
    void updateUndoActions();

    void hoverSwatch(int index);
    void releaseSwatch(int index, Qt::MouseButton button, QPoint position);
    void hoverBackground();
    void clickBackground();
    void previewColor(ColorValue color);

    void setRgb();
    void setHex();
    void addCurrentToFavorites();
    void storeFavorite(int slot);
    void setSchemeMode(SchemeMode mode);
    void toggleSpectrumPalette();

    AppState& state_;
    MainWindowEnvironment environment_;
    ColorWorkspace workspace_;
    std::unique_ptr<MainActions> actions_;

    ClientArea* clientArea_ = nullptr;
    ToolWindowHub* hub_ = nullptr;
    SchemeFileCommands* schemeFiles_ = nullptr;
    SchemeSwatchGrid* grid_ = nullptr;
    ValueEntryPanel* valueEntry_ = nullptr;
    PaletteStack* palettes_ = nullptr;
    ColorStatusBar* statusBar_ = nullptr;
    VisionMenu* visionMenu_ = nullptr;
    bool painted_ = false;
    bool picking_ = false;
};

} // namespace orvane
