// SPDX-License-Identifier: MIT
#include "mainwindow/ScreenPick.h"

#include "core/DesktopSession.h"
#include "toolwindows/ScreenPickerWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ScreenGrabber.h"

#include <QGuiApplication>

namespace orvane {

namespace {

void reportNoScreen(MessageBoxes& messages, QWidget* owner)
{
    messages.warning(owner,
                     QCoreApplication::translate("orvane::ScreenPick", "Screen Color Picker"),
                     QCoreApplication::translate(
                         "orvane::ScreenPick",
                         "This desktop does not allow a picture of the screen to be taken, so no "
                         "colour can be picked from it."));
}

} // namespace

std::optional<ColorValue> pickFromSnapshot(const QImage& snapshot, MessageBoxes& messages,
                                           QWidget* owner)
{
    if (snapshot.isNull()) {
        reportNoScreen(messages, owner);
        return std::nullopt;
    }
    ScreenPickerWindow picker(snapshot, screenPixels(snapshot.devicePixelRatio()), owner);
    // A native Wayland window cannot be placed; full screen, it covers the one output, which is
    // what the snapshot shows.
    if (screenPickerKind(QGuiApplication::platformName().toStdString(),
                         static_cast<int>(QGuiApplication::screens().size())) ==
        ScreenPickerKind::FrozenOutput)
        picker.setWindowState(Qt::WindowFullScreen);
    picker.exec();
    return picker.pickedColor();
}

std::optional<ColorValue> takeDesktopPick(const DesktopColorPick& pick, MessageBoxes& messages,
                                          QWidget* owner)
{
    if (pick.outcome == DesktopColorPick::Outcome::NoAnswer)
        reportNoScreen(messages, owner);
    if (pick.outcome != DesktopColorPick::Outcome::Picked)
        return std::nullopt;
    return pick.color;
}

} // namespace orvane
