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

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    openScheme =
        addAction(file, "Open_Scheme", tr("&Open Scheme..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    saveScheme =
        addAction(file, "Save_Scheme", tr("&Save Scheme..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    importPalette = addAction(file, "Import_Palette", tr("&Import Palette..."),
                              QKeySequence(Qt::CTRL | Qt::Key_I));
    exportPalette = addAction(file, "Export_Palette", tr("&Export Palette..."),
                              QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    exit = addAction(file, "Exit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    undo = addAction(edit, "Undo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    redo = addAction(edit, "Redo", tr("Redo"));
    redo->setEnabled(false);
    edit->addSeparator();
    addToFavorites = addAction(edit, "Add_to_Favorites", tr("Add to Favorites"),
                               QKeySequence(Qt::CTRL | Qt::Key_A));
    copyHex = addAction(edit, "Copy_HEX", tr("&Copy HEX"), QKeySequence(Qt::CTRL | Qt::Key_C));
    copyAsMenu = edit->addMenu(tr("Copy &As"));
    copyAsMenu->setObjectName(QStringLiteral("Copy_As"));

    QMenu* adjust = bar->addMenu(tr("&Adjust"));
    adjust->setObjectName(QStringLiteral("Adjust"));
    QMenu* mode = adjust->addMenu(tr("Select Scheme &Mode"));
    mode->setObjectName(QStringLiteral("Select_Scheme_Mode"));
    auto* modes = new QActionGroup(mode);
    rgbColorWheel = addAction(mode, "RGB_Color_Wheel", tr("RGB Color Wheel"));
    groupByColor = addAction(mode, "Group_By_Color", tr("Group By Color"));
    for (QAction* action : {rgbColorWheel, groupByColor}) {
        action->setCheckable(true);
        modes->addAction(action);
    }
    rgbColorWheel->setChecked(true);
    adjust->addSeparator();
    lighten = addAction(adjust, "Lighten", tr("&Lighten"), QKeySequence(Qt::CTRL | Qt::Key_L));
    darken = addAction(adjust, "Darken", tr("&Darken"), QKeySequence(Qt::CTRL | Qt::Key_D));
    adjust->addSeparator();
    saturate = addAction(adjust, "Saturate", tr("&Saturate"));
    desaturate = addAction(adjust, "Desaturate", tr("D&esaturate"));
    adjust->addSeparator();
    makeWebsafe =
        addAction(adjust, "Make_Websafe", tr("Make &Websafe"), QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View"));
    viewMenu = view;
    showSpectrumPalette = addAction(view, "Show_Spectrum_Palette", tr(kSpectrumCaptions.show),
                                    QKeySequence(Qt::CTRL | Qt::Key_P));
    showFavorites = addAction(view, "Show_Favorites", tr(kFavoritesCaptions.show),
                              QKeySequence(Qt::CTRL | Qt::Key_F));
    showHistory = addAction(view, "Show_History", tr(kHistoryCaptions.show),
                            QKeySequence(Qt::CTRL | Qt::Key_H));
    showHarmonies =
        addAction(view, "Show_Harmonies", tr(kHarmoniesCaptions.show), QKeySequence(Qt::Key_F6));
    showWebPreview =
        addAction(view, "Show_Web_Preview", tr(kWebPreviewCaptions.show), QKeySequence(Qt::Key_F7));
    view->addSeparator();
    screenColorPicker = addAction(view, "Screen_Color_Picker", tr("&Screen Color Picker"),
                                  QKeySequence(Qt::Key_F3));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    onlineHelp = addAction(help, "Online_Help", tr("&Help"), QKeySequence(Qt::Key_F1));
    quickTips = addAction(help, "Quick_Tips", tr("&Quick Tips"), QKeySequence(Qt::Key_F2));
    help->addSeparator();
    about = addAction(help, "About", tr("&About"));

    popmenu = new QMenu(window);
    popmenu->setObjectName(QStringLiteral("popmenu"));
    addToFavoritesMenu = popmenu->addMenu(tr("Add to Favorites..."));
    addToFavoritesMenu->setObjectName(QStringLiteral("AtF"));
    for (int slot = 0; slot < 5; ++slot) {
        const QByteArray name = "AddFav_" + QByteArray::number(slot);
        addFavorite[slot] =
            addAction(addToFavoritesMenu, name.constData(), QString::number(slot + 1));
    }
    addToFavoritesSeparator = popmenu->addSeparator();
    selectColor = addAction(popmenu, "Select_Color", tr("Select Color"));
    popupCopyHex = addAction(popmenu, "pop_Copy_HEX", tr("Copy HEX"));
    popupCopyAsMenu = popmenu->addMenu(tr("Copy As"));
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
