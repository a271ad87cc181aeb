// SPDX-License-Identifier: MIT
#include "mainwindow/MainActions.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace orvane {

namespace {

QAction* addAction(QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainActions::MainActions(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    openScheme = addAction(file, "Open_Scheme", QStringLiteral("&Open Scheme..."),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    saveScheme = addAction(file, "Save_Scheme", QStringLiteral("&Save Scheme..."),
                           QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    importPalette = addAction(file, "Import_Palette", QStringLiteral("&Import Palette..."),
                              QKeySequence(Qt::CTRL | Qt::Key_I));
    exportPalette = addAction(file, "Export_Palette", QStringLiteral("&Export Palette..."),
                              QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    exit = addAction(file, "Exit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    undo = addAction(edit, "Undo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    redo = addAction(edit, "Redo", QStringLiteral("Redo"));
    redo->setEnabled(false);
    edit->addSeparator();
    addToFavorites = addAction(edit, "Add_to_Favorites", QStringLiteral("Add to Favorites"),
                               QKeySequence(Qt::CTRL | Qt::Key_A));
    copyHex = addAction(edit, "Copy_HEX", QStringLiteral("&Copy HEX"),
                        QKeySequence(Qt::CTRL | Qt::Key_C));
    copyAsMenu = edit->addMenu(QStringLiteral("Copy &As"));
    copyAsMenu->setObjectName(QStringLiteral("Copy_As"));

    QMenu* adjust = bar->addMenu(QStringLiteral("&Adjust"));
    adjust->setObjectName(QStringLiteral("Adjust"));
    QMenu* mode = adjust->addMenu(QStringLiteral("Select Scheme &Mode"));
    mode->setObjectName(QStringLiteral("Select_Scheme_Mode"));
    auto* modes = new QActionGroup(mode);
    rgbColorWheel = addAction(mode, "RGB_Color_Wheel", QStringLiteral("RGB Color Wheel"));
    groupByColor = addAction(mode, "Group_By_Color", QStringLiteral("Group By Color"));
    for (QAction* action : {rgbColorWheel, groupByColor}) {
        action->setCheckable(true);
        modes->addAction(action);
    }
    rgbColorWheel->setChecked(true);
    adjust->addSeparator();
    lighten = addAction(adjust, "Lighten", QStringLiteral("&Lighten"),
                        QKeySequence(Qt::CTRL | Qt::Key_L));
    darken =
        addAction(adjust, "Darken", QStringLiteral("&Darken"), QKeySequence(Qt::CTRL | Qt::Key_D));
    adjust->addSeparator();
    saturate = addAction(adjust, "Saturate", QStringLiteral("&Saturate"));
    desaturate = addAction(adjust, "Desaturate", QStringLiteral("D&esaturate"));
    adjust->addSeparator();
    makeWebsafe = addAction(adjust, "Make_Websafe", QStringLiteral("Make &Websafe"),
                            QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View"));
    viewMenu = view;
    showSpectrumPalette = addAction(view, "Show_Spectrum_Palette", kShowSpectrumCaption,
                                    QKeySequence(Qt::CTRL | Qt::Key_P));
    showFavorites = addAction(view, "Show_Favorites", kShowFavoritesCaption,
                              QKeySequence(Qt::CTRL | Qt::Key_F));
    showHistory =
        addAction(view, "Show_History", kShowHistoryCaption, QKeySequence(Qt::CTRL | Qt::Key_H));
    showHarmonies =
        addAction(view, "Show_Harmonies", kShowHarmoniesCaption, QKeySequence(Qt::Key_F6));
    showWebPreview =
        addAction(view, "Show_Web_Preview", kShowWebPreviewCaption, QKeySequence(Qt::Key_F7));
    view->addSeparator();
    screenColorPicker = addAction(view, "Screen_Color_Picker",
                                  QStringLiteral("&Screen Color Picker"), QKeySequence(Qt::Key_F3));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    onlineHelp = addAction(help, "Online_Help", QStringLiteral("&Help"), QKeySequence(Qt::Key_F1));
    quickTips =
        addAction(help, "Quick_Tips", QStringLiteral("&Quick Tips"), QKeySequence(Qt::Key_F2));
    help->addSeparator();
    about = addAction(help, "About", QStringLiteral("&About"));

    popmenu = new QMenu(window);
    popmenu->setObjectName(QStringLiteral("popmenu"));
    addToFavoritesMenu = popmenu->addMenu(QStringLiteral("Add to Favorites..."));
    addToFavoritesMenu->setObjectName(QStringLiteral("AtF"));
    for (int slot = 0; slot < 5; ++slot) {
        const QByteArray name = "AddFav_" + QByteArray::number(slot);
        addFavorite[slot] =
            addAction(addToFavoritesMenu, name.constData(), QString::number(slot + 1));
    }
    addToFavoritesSeparator = popmenu->addSeparator();
    selectColor = addAction(popmenu, "Select_Color", QStringLiteral("Select Color"));
    popupCopyHex = addAction(popmenu, "pop_Copy_HEX", QStringLiteral("Copy HEX"));
    popupCopyAsMenu = popmenu->addMenu(QStringLiteral("Copy As"));
    popupCopyAsMenu->setObjectName(QStringLiteral("pop_Copy_As"));
}

QList<QKeySequence> MainActions::shortcuts() const
{
    QList<QKeySequence> keys;
    for (const QAction* action : {openScheme,
                                  saveScheme,
                                  exit,
                                  undo,
                                  redo,
                                  addToFavorites,
                                  copyHex,
                                  lighten,
                                  darken,
                                  saturate,
                                  desaturate,
                                  makeWebsafe,
                                  showSpectrumPalette,
                                  showFavorites,
                                  showHistory,
                                  showHarmonies,
                                  showWebPreview,
                                  screenColorPicker,
                                  onlineHelp,
                                  quickTips,
                                  about}) {
        if (!action->shortcut().isEmpty())
            keys.append(action->shortcut());
    }
    // Ctrl+Shift+C moves between the Copy As items.
    keys << importPalette->shortcut() << exportPalette->shortcut() << kCopyAsLastShortcut;
    return keys;
}

} // namespace orvane
