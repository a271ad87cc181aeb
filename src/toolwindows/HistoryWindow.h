// SPDX-License-Identifier: MIT
#pragma once

#include "colour/ColorValue.h"
#include "core/AppState.h"
#include "widgets/ToolWindow.h"

#include <QPointer>

class QComboBox;
class QPushButton;
class QWindow;

namespace orvane {

class SwatchWidget;

// Lists the colours of the undo history, newest last, and makes the previewed one current
// without touching the history.
class HistoryWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit HistoryWindow(AppState& state, QWidget* parent = nullptr);

    // Rebuilds the list from UndoColors and selects the newest entry. Runs whenever the window
    // becomes the program's active window.
    void rebuildList();

signals:
    // The previewed colour should become current without a new undo entry.
    void colorChosenWithoutUndo(orvane::ColorValue color);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void focusWindowChanged(QWindow* focusWindow);
    void showSelectedEntry();

    AppState& state_;
    SwatchWidget* preview_ = nullptr;
    QComboBox* list_ = nullptr;
    QPushButton* selectButton_ = nullptr;
    // The last window of this program that had the focus; popups do not count.
    QPointer<QWindow> lastFocusWindow_;
    bool shownBefore_ = false;
};

} // namespace orvane
