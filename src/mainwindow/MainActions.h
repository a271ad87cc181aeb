// SPDX-License-Identifier: MIT
#pragma once

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

inline const QString kShowSpectrumCaption = QStringLiteral("Show Spectrum &Palette");
inline const QString kShowWebsafeCaption = QStringLiteral("Show Websafe &Palette");
inline const QString kShowFavoritesCaption = QStringLiteral("Show &Favorites");
inline const QString kHideFavoritesCaption = QStringLiteral("Hide &Favorites");
inline const QString kShowHistoryCaption = QStringLiteral("Show &History");
inline const QString kHideHistoryCaption = QStringLiteral("Hide &History");
inline const QString kShowHarmoniesCaption = QStringLiteral("Show H&armonies");
inline const QString kHideHarmoniesCaption = QStringLiteral("Hide H&armonies");
inline const QString kShowWebPreviewCaption = QStringLiteral("Show &Web Preview");
inline const QString kHideWebPreviewCaption = QStringLiteral("Hide &Web Preview");

} // namespace orvane
