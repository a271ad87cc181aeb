// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace orvane {

// The main window's menu bar and popup menu: every command as a named action with its caption,
// access key and shortcut. Handlers are connected by the main window.
struct MainActions {
    Q_DECLARE_TR_FUNCTIONS(orvane::MainActions)

public:
    explicit MainActions(QMainWindow* window);

    QAction* openScheme;
    QAction* saveScheme;
    QAction* importPalette;
    QAction* exportPalette;
    QAction* exit;
    QAction* undo;
    QAction* redo;
    QAction* addToFavorites;
    QAction* copyHex;
    QMenu* copyAsMenu; // filled by CopyAsMenu
    QAction* rgbColorWheel;
    QAction* groupByColor;
    QAction* lighten;
    QAction* darken;
    QAction* saturate;
    QAction* desaturate;
    QAction* makeWebsafe;
    QAction* showSpectrumPalette;
    QAction* showFavorites;
    QAction* showHistory;
    QAction* showHarmonies;
    QAction* showWebPreview;
    QAction* screenColorPicker;
    QAction* onlineHelp;
    QAction* quickTips;
    QAction* about;

    QMenu* viewMenu;

    QMenu* popmenu;
    QMenu* addToFavoritesMenu;
    std::array<QAction*, 5> addFavorite{};
    QAction* addToFavoritesSeparator;
    QAction* selectColor;
    QAction* popupCopyHex;
    QMenu* popupCopyAsMenu;

    // Every shortcut of the menu bar, for controls that must let them through.
    QList<QKeySequence> shortcuts() const;
};

// Copies the current colour in the form last chosen from a Copy As menu.
inline const QKeySequence kCopyAsLastShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// The captions of a View item that toggles: the one that shows what it toggles and the one for
// the other state. Translated by MainActions::tr, at the time they are shown.
struct ToggleCaptions {
    const char* show;
    const char* other;
};
inline constexpr ToggleCaptions kSpectrumCaptions{
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show Spectrum &Palette"),
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show Websafe &Palette")};
inline constexpr ToggleCaptions kFavoritesCaptions{
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show &Favorites"),
    QT_TRANSLATE_NOOP("orvane::MainActions", "Hide &Favorites")};
inline constexpr ToggleCaptions kHistoryCaptions{
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show &History"),
    QT_TRANSLATE_NOOP("orvane::MainActions", "Hide &History")};
inline constexpr ToggleCaptions kHarmoniesCaptions{
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show H&armonies"),
    QT_TRANSLATE_NOOP("orvane::MainActions", "Hide H&armonies")};
inline constexpr ToggleCaptions kWebPreviewCaptions{
    QT_TRANSLATE_NOOP("orvane::MainActions", "Show &Web Preview"),
    QT_TRANSLATE_NOOP("orvane::MainActions", "Hide &Web Preview")};

} // namespace orvane
