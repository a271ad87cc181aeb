// SPDX-License-Identifier: MIT
// The reference for the start-up benchmark: an empty Qt window of the main window's size that
// reports its first paint exactly as Orvane does, so that Orvane's start-up can be stated
// relative to what Qt itself needs on the same machine.

#include "app/FirstPaintReporter.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(600, 360);
    new orvane::FirstPaintReporter(&window);
    window.show();
    return QApplication::exec();
}
