#include "mainwindow/ScreenPick.h"

#include "toolwindows/ScreenPickerWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ScreenGrabber.h"

namespace orvane {

std::optional<ColorValue> pickFromSnapshot(const QImage& snapshot, MessageBoxes& messages,
                                           QWidget* owner)
{
    if (snapshot.isNull()) {
        messages.warning(
            owner, QObject::tr("Screen Color Picker"),
            QObject::tr("This desktop does not allow a picture of the screen to be taken, so no "
                        "colour can be picked from it."));
        return std::nullopt;
    }
    ScreenPickerWindow picker(snapshot, desktopGeometry(),
                              screenPixels(snapshot.devicePixelRatio()), owner);
    picker.exec();
    return picker.pickedColor();
}

} // namespace orvane
