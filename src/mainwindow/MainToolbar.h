// SPDX-License-Identifier: MIT
#pragma once

#include <QToolBar>

namespace orvane {

struct MainActions;

// The main window's toolbar (Toolbar1): a button for each of the most used menu commands, which
// runs that command and is enabled exactly while the command is.
class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    MainToolbar(const MainActions& actions, int width, QWidget* parent);

    // The button Toolbar1_<number>.
    QAction* button(int number) const;
};

} // namespace orvane
