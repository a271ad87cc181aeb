#include "WindowInvariants.h"

#include "core/UndoHistory.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ValueEntryPanel.h"
#include "widgets/SwatchWidget.h"
#include "widgets/ToolWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>

namespace orvane::test {

namespace {

std::string number(ColorValue value)
{
    return std::to_string(value);
}

struct Toggle {
    ToolWindowIndex tool;
    const char* menuItem;
    const char* button;
    QString hideCaption;
};

const Toggle kToggles[] = {
    {FavoritesTool, "Show_Favorites", "Toolbar1_13", kHideFavoritesCaption},
    {HarmoniesTool, "Show_Harmonies", "Toolbar1_15", kHideHarmoniesCaption},
    {HistoryTool, "Show_History", "Toolbar1_14", kHideHistoryCaption},
    {WebPreviewTool, "Show_Web_Preview", "Toolbar1_16", kHideWebPreviewCaption},
};

} // namespace

std::optional<std::string> brokenInvariant(MainWindow& window, const AppState& state,
                                           bool storedColoursValid)
{
    const auto menuItem = [&window](const char* name) {
        return window.menuBar()->findChild<QAction*>(QString::fromLatin1(name));
    };
    auto* toolbar = window.centralWidget()->findChild<QToolBar*>(QStringLiteral("Toolbar1"),
                                                                 Qt::FindDirectChildrenOnly);

    if (state.UndoPos < 1 || state.UndoPos > kUndoLastSlot)
        return "the undo cursor " + std::to_string(state.UndoPos) + " is outside 1..50";
    for (int slot = 1; slot <= state.UndoPos; ++slot) {
        if (!isValidColor(state.UndoColors[slot]))
            return "undo slot " + std::to_string(slot) + " holds " + number(state.UndoColors[slot]);
    }
    if (menuItem("Undo")->isEnabled() != canUndo(state) ||
        menuItem("Redo")->isEnabled() != canRedo(state))
        return "Undo or Redo is enabled wrongly with the cursor at " +
               std::to_string(state.UndoPos);

    for (int index = 0; index <= kCurrentSwatch; ++index) {
        if (!isValidColor(window.swatch(index)->color()))
            return "swatch " + std::to_string(index) + " shows " +
                   number(window.swatch(index)->color());
    }
    if (storedColoursValid) {
        for (const ColorValue color : state.FavColors) {
            if (color != kNoColor && !isValidColor(color))
                return "a favourite holds " + number(color);
        }
        for (const ColorValue color : state.WebColors) {
            if (!isValidColor(color))
                return "a stored web preview colour is " + number(color);
        }
    }

    // Every edit settles a channel box, so between actions it holds a number 0-255.
    static const QRegularExpression channelForm(QStringLiteral("^[0-9]{1,3}$"));
    static const QRegularExpression hexForm(QStringLiteral("^[0-9A-Fa-f]{0,6}$"));
    for (int channel = 0; channel < 3; ++channel) {
        const QString text = window.valueEntry()->channelBox(channel)->text();
        if (!channelForm.match(text).hasMatch() || text.toInt() > 255)
            return "channel box " + std::to_string(channel) + " holds \"" + text.toStdString() +
                   '"';
    }
    if (!hexForm.match(window.valueEntry()->hexText()).hasMatch())
        return "the HEX box holds \"" + window.valueEntry()->hexText().toStdString() + '"';

    for (const Toggle& toggle : kToggles) {
        const ToolWindow* tool = window.toolWindow(toggle.tool);
        const bool open = tool != nullptr && tool->isVisible();
        if ((menuItem(toggle.menuItem)->text() == toggle.hideCaption) != open)
            return std::string(toggle.menuItem) + " reads \"" +
                   menuItem(toggle.menuItem)->text().toStdString() + "\" while its window is " +
                   (open ? "open" : "closed");
        if (toolbar->findChild<QAction*>(toggle.button)->isChecked() != open)
            return std::string(toggle.button) + " does not show whether its window is open";
    }
    return std::nullopt;
}

} // namespace orvane::test
