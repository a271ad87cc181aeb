#include "WindowInvariants.h"

#include "colour/Harmonies.h"
#include "core/UndoHistory.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SpectrumPalette.h"
#include "mainwindow/ValueEntryPanel.h"
#include "webpreview/WebPreviewWindow.h"
#include "widgets/SwatchWidget.h"
#include "widgets/ToolWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <cstdio>

namespace orvane::test {

namespace {

// An empty favourite slot shows light grey.
constexpr ColorValue kEmptyFavoriteShown = 0xE0E0E0;

std::string number(ColorValue value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%d (0x%X)", value, static_cast<unsigned>(value));
    return text;
}

std::string quoted(const QString& text)
{
    return '"' + text.toStdString() + '"';
}

struct Toggle {
    ToolWindowIndex tool;
    const char* menuItem;
    const char* button;
    QString showCaption;
    QString hideCaption;
};

const Toggle kToggles[] = {
    {FavoritesTool, "Show_Favorites", "Toolbar1_13", kShowFavoritesCaption, kHideFavoritesCaption},
    {HarmoniesTool, "Show_Harmonies", "Toolbar1_15", kShowHarmoniesCaption, kHideHarmoniesCaption},
    {HistoryTool, "Show_History", "Toolbar1_14", kShowHistoryCaption, kHideHistoryCaption},
    {WebPreviewTool, "Show_Web_Preview", "Toolbar1_16", kShowWebPreviewCaption,
     kHideWebPreviewCaption},
};

bool isOpen(const QWidget* window)
{
    return window != nullptr && window->isVisible();
}

std::optional<std::string> brokenUndoHistory(const AppState& state, const QAction& undo,
                                             const QAction& redo, const QAction& back,
                                             const QAction& forward)
{
    if (state.UndoPos < 1 || state.UndoPos > kUndoLastSlot)
        return "the undo cursor " + std::to_string(state.UndoPos) + " is outside 1..50";
    for (int slot = 1; slot <= state.UndoPos; ++slot) {
        if (!isValidColor(state.UndoColors[slot]))
            return "undo slot " + std::to_string(slot) + " below the cursor holds " +
                   number(state.UndoColors[slot]);
    }
    bool tailEnded = false;
    for (int slot = state.UndoPos + 1; slot <= kUndoLastSlot; ++slot) {
        const ColorValue color = state.UndoColors[slot];
        if (color == kNoColor) {
            tailEnded = true;
        } else if (tailEnded || !isValidColor(color)) {
            return "undo slot " + std::to_string(slot) + " above the cursor holds " +
                   number(color) + (tailEnded ? " after the end of the redo tail" : "");
        }
    }
    if (undo.isEnabled() != canUndo(state))
        return std::string("Edit > Undo is ") + (undo.isEnabled() ? "enabled" : "disabled") +
               " with the cursor at " + std::to_string(state.UndoPos);
    if (redo.isEnabled() != canRedo(state))
        return std::string("Edit > Redo is ") + (redo.isEnabled() ? "enabled" : "disabled") +
               " with the cursor at " + std::to_string(state.UndoPos);
    if (back.isEnabled() != undo.isEnabled() || forward.isEnabled() != redo.isEnabled())
        return "the Back and Forward buttons do not follow Undo and Redo";
    return std::nullopt;
}

std::optional<std::string> brokenValueBoxes(const ValueEntryPanel& entry)
{
    static const QRegularExpression channelForm(QStringLiteral("^[0-9]{1,3}$"));
    static const QRegularExpression hexForm(QStringLiteral("^[0-9A-Fa-f]{0,6}$"));
    // Every edit settles a channel box, so between actions it holds a number 0-255.
    for (int channel = 0; channel < 3; ++channel) {
        const QString text = entry.channelBox(channel)->text();
        if (!channelForm.match(text).hasMatch() || text.toInt() > 255)
            return "channel box " + std::to_string(channel + 2) + " holds " + quoted(text);
    }
    const QString hex = entry.hexText();
    if (!hexForm.match(hex).hasMatch())
        return "the HEX box holds " + quoted(hex);
    return std::nullopt;
}

std::optional<std::string> brokenStatusBar(const MainWindow& window)
{
    static const QRegularExpression rgbForm(
        QStringLiteral("^RGB: ([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    static const QRegularExpression hexForm(QStringLiteral("^HEX: #[0-9A-F]{6}$"));
    const QString rgb = window.statusText(1);
    const QRegularExpressionMatch match = rgbForm.match(rgb);
    if (!match.hasMatch() || match.captured(1).toInt() > 255 || match.captured(2).toInt() > 255 ||
        match.captured(3).toInt() > 255)
        return "status panel 1 reads " + quoted(rgb);
    if (!hexForm.match(window.statusText(2)).hasMatch())
        return "status panel 2 reads " + quoted(window.statusText(2));
    return std::nullopt;
}

std::optional<std::string> brokenToolWindows(MainWindow& window, const AppState& state,
                                             QToolBar& toolbar, bool storedColoursValid)
{
    for (const Toggle& toggle : kToggles) {
        const QAction* item = window.menuBar()->findChild<QAction*>(toggle.menuItem);
        const QAction* button = toolbar.findChild<QAction*>(toggle.button);
        const bool open = isOpen(window.toolWindow(toggle.tool));
        if (item->text() != toggle.showCaption && item->text() != toggle.hideCaption)
            return std::string(toggle.menuItem) + " reads " + quoted(item->text());
        if ((item->text() == toggle.hideCaption) != open)
            return std::string(toggle.menuItem) + " reads " + quoted(item->text()) +
                   " while its window is " + (open ? "open" : "closed");
        if (button->isChecked() != open)
            return std::string(toggle.button) + " is " + (button->isChecked() ? "" : "not ") +
                   "pressed while its window is " + (open ? "open" : "closed");
    }

    if (ToolWindow* favorites = window.toolWindow(FavoritesTool); isOpen(favorites)) {
        for (int slot = 0; slot < kFavoriteSlots; ++slot) {
            const ColorValue stored = state.FavColors[slot];
            const ColorValue shown =
                favorites->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(slot))
                    ->color();
            if (shown != (stored < 0 ? kEmptyFavoriteShown : stored))
                return "favourite " + std::to_string(slot) + " shows " + number(shown) +
                       " but holds " + number(stored);
        }
    }

    if (ToolWindow* harmonies = window.toolWindow(HarmoniesTool); isOpen(harmonies)) {
        const int kind = harmonies->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentIndex();
        if (const auto expected = harmonySquares(kind, state.HarmonyColors)) {
            for (int square = 0; square < 3; ++square) {
                const auto* swatch =
                    harmonies->findChild<SwatchWidget*>(QStringLiteral("Picture1_%1").arg(square));
                if (swatch->color() != expected->colors[square])
                    return "harmony square " + std::to_string(square) + " shows " +
                           number(swatch->color()) + " instead of " +
                           number(expected->colors[square]);
                if (square == 2 && swatch->isVisibleTo(harmonies) != expected->showsThird)
                    return "the third harmony square's visibility does not follow the kind";
            }
        }
    }

    if (auto* preview = qobject_cast<WebPreviewWindow*>(window.toolWindow(WebPreviewTool));
        isOpen(preview) && storedColoursValid) {
        for (const ColorValue color : preview->elementColors()) {
            if (!isValidColor(color))
                return "a web preview element shows " + number(color);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> brokenInvariant(MainWindow& window, const AppState& state,
                                           bool storedColoursValid)
{
    QMenuBar* menus = window.menuBar();
    auto* toolbar = window.centralWidget()->findChild<QToolBar*>(QStringLiteral("Toolbar1"),
                                                                 Qt::FindDirectChildrenOnly);
    const auto menuItem = [menus](const char* name) {
        return menus->findChild<QAction*>(QString::fromLatin1(name));
    };
    const auto button = [toolbar](const char* name) {
        return toolbar->findChild<QAction*>(QString::fromLatin1(name));
    };

    if (auto broken = brokenUndoHistory(state, *menuItem("Undo"), *menuItem("Redo"),
                                        *button("Toolbar1_4"), *button("Toolbar1_5")))
        return broken;

    for (int index = 0; index <= kCurrentSwatch; ++index) {
        if (!isValidColor(window.swatch(index)->color()))
            return "swatch " + std::to_string(index) + " shows " +
                   number(window.swatch(index)->color());
    }
    for (const ColorValue color : state.HarmonyColors) {
        if (!isValidColor(color))
            return "a harmony base colour is " + number(color);
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

    if (auto broken = brokenValueBoxes(*window.valueEntry()))
        return broken;
    if (auto broken = brokenStatusBar(window))
        return broken;

    const bool wheel = menuItem("RGB_Color_Wheel")->isChecked();
    if (wheel == menuItem("Group_By_Color")->isChecked())
        return "both or neither scheme mode is checked";
    if (window.findChild<QFrame*>(QStringLiteral("Frame1"))->isVisibleTo(&window) != wheel)
        return "the colour wheel's frame does not follow the scheme mode";
    const bool spectrumShown =
        window.findChild<SpectrumPalette*>(QStringLiteral("Picture4"))->isVisibleTo(&window);
    if ((menuItem("Show_Spectrum_Palette")->text() == kShowSpectrumCaption) == spectrumShown)
        return "the palette toggle reads " + quoted(menuItem("Show_Spectrum_Palette")->text()) +
               " while the spectrum is " + (spectrumShown ? "shown" : "hidden");

    return brokenToolWindows(window, state, *toolbar, storedColoursValid);
}

} // namespace orvane::test
