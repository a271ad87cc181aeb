// SPDX-License-Identifier: MIT
#include "toolwindows/HistoryWindow.h"

#include "widgets/QtConversions.h"
#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>

namespace orvane {

namespace {

constexpr int kClientWidth = 1680;
constexpr int kClientHeight = 1560 + 360;

// Popup menus, drop-down lists and tooltips pass the focus back to the window that opened them;
// they are not windows the user switches to.
bool isTransient(const QWindow* window)
{
    return window->type() == Qt::Popup || window->type() == Qt::ToolTip;
}

} // namespace

HistoryWindow::HistoryWindow(AppState& state, QWidget* parent)
    : ToolWindow(state.HistoryLeft, state.HistoryTop, parent), state_(state)
{
    setObjectName(QStringLiteral("History"));
    setWindowTitle(tr("History"));
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

    preview_ = new SwatchWidget(tr("Selected history colour"), this);
    preview_->setObjectName(QStringLiteral("Picture1"));
    preview_->setGeometry(twipsRect(240, 30, 1200, 1095));
    // The preview only shows a colour: it is neither dragged nor dropped on, nor pressed.
    preview_->setDraggable(false);
    preview_->setAcceptDrops(false);
    preview_->setActivatable(false);

    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("Combo1"));
    const QRect listRect = twipsRect(0, 1200, 1680, 0);
    list_->setGeometry(listRect.x(), listRect.y(), listRect.width(),
                       std::min(list_->sizeHint().height(), twipsToPixels(1560 - 1200)));
    list_->setAccessibleName(tr("Recorded colours"));
    connect(list_, &QComboBox::currentIndexChanged, this, &HistoryWindow::showSelectedEntry);

    selectButton_ = new QPushButton(tr("Select Color"), this);
    selectButton_->setObjectName(QStringLiteral("Command1"));
    selectButton_->setGeometry(twipsRect(0, 1560, 1680, 360));
    selectButton_->setAccessibleName(tr("Make the previewed colour current"));
    connect(selectButton_, &QPushButton::clicked, this,
            [this] { emit colorChosenWithoutUndo(preview_->color()); });

    lastFocusWindow_ = QGuiApplication::focusWindow();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &HistoryWindow::focusWindowChanged);

    rebuildList();
}

void HistoryWindow::rebuildList()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (int slot = 1; slot < kUndoSlots; ++slot) {
        const ColorValue color = state_.UndoColors[slot];
        if (color < 0)
            break;
        list_->addItem(qText(commaRgb(color)), color);
    }
    list_->setCurrentIndex(list_->count() - 1);
    selectButton_->setEnabled(list_->count() > 0);
    showSelectedEntry();
}

void HistoryWindow::showSelectedEntry()
{
    const QVariant data = list_->currentData();
    if (data.isValid())
        preview_->setColor(data.toInt());
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    if (!shownBefore_ && !event->spontaneous()) {
        shownBefore_ = true;
        rebuildList();
    }
}

void HistoryWindow::focusWindowChanged(QWindow* focusWindow)
{
    // No focus window: another program is active. Coming back from it is no activation.
    if (focusWindow == nullptr || isTransient(focusWindow))
        return;
    const QWindow* previous = lastFocusWindow_;
    lastFocusWindow_ = focusWindow;
    if (focusWindow == windowHandle() && previous != focusWindow)
        rebuildList();
}

} // namespace orvane
