// SPDX-License-Identifier: MIT
#include "mainwindow/MainToolbar.h"

#include "mainwindow/MainActions.h"
#include "mainwindow/ToolbarIcons.h"

#include <QAction>

namespace orvane {

namespace {

constexpr int kToolbarHeight = 30;

} // namespace

MainToolbar::MainToolbar(const MainActions& actions, int width, QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setGeometry(0, 0, width, kToolbarHeight);
    setIconSize(QSize(20, 20));
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    struct Button {
        int number;
        QString text;
        ToolbarPicture picture;
        QAction* command;
        bool toggle; // stays pressed while its tool window is shown
    };
    const Button buttons[] = {
        {1, tr("Open"), ToolbarPicture::Open, actions.openScheme, false},
        {2, tr("Save"), ToolbarPicture::Save, actions.saveScheme, false},
        {4, tr("Back"), ToolbarPicture::Back, actions.undo, false},
        {5, tr("Forward"), ToolbarPicture::Forward, actions.redo, false},
        {6, tr("Screen Color Picker"), ToolbarPicture::ScreenPicker, actions.screenColorPicker,
         false},
        {7, tr("Make Web Safe"), ToolbarPicture::MakeWebSafe, actions.makeWebsafe, false},
        {8, tr("Lighten"), ToolbarPicture::Lighten, actions.lighten, false},
        {9, tr("Darken"), ToolbarPicture::Darken, actions.darken, false},
        {10, tr("Saturate"), ToolbarPicture::Saturate, actions.saturate, false},
        {11, tr("Desaturate"), ToolbarPicture::Desaturate, actions.desaturate, false},
        {13, tr("Show Favorites"), ToolbarPicture::Favorites, actions.showFavorites, true},
        {14, tr("Show History"), ToolbarPicture::History, actions.showHistory, true},
        {15, tr("Show Harmonies"), ToolbarPicture::Harmonies, actions.showHarmonies, true},
        {16, tr("Show Preview"), ToolbarPicture::WebPreview, actions.showWebPreview, true},
    };
    for (const Button& row : buttons) {
        // The separators take the numbers 3 and 12, before the buttons 4 and 13.
        if (row.number == 4 || row.number == 13)
            addSeparator()->setObjectName(QStringLiteral("Toolbar1_%1").arg(row.number - 1));
        QAction* button = addAction(toolbarIcon(row.picture), row.text);
        button->setObjectName(QStringLiteral("Toolbar1_%1").arg(row.number));
        button->setCheckable(row.toggle);
        // A disabled command ignores even a direct trigger, so a button can never run it while
        // it is disabled.
        button->setEnabled(row.command->isEnabled());
        connect(row.command, &QAction::enabledChanged, button, &QAction::setEnabled);
        connect(button, &QAction::triggered, row.command, &QAction::trigger);
    }
}

QAction* MainToolbar::button(int number) const
{
    return findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(number));
}

} // namespace orvane
