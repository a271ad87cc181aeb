// SPDX-License-Identifier: MIT
#include "toolwindows/HarmoniesWindow.h"

#include "colour/Harmonies.h"
#include "widgets/QtConversions.h"
#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QMouseEvent>

namespace orvane {

namespace {

constexpr int kClientWidth = 112;
constexpr int kClientHeight = 129;
constexpr int kSquareSide = 630;
// The squares step down a diagonal, each overlapping the one before.
constexpr int kSquareLeft[3] = {150, 510, 870};
constexpr int kSquareTop[3] = {435, 795, 1155};

} // namespace

HarmoniesWindow::HarmoniesWindow(AppState& state, QWidget* parent)
    : ToolWindow(state.HarmoniesLeft, state.HarmoniesTop, parent), state_(state)
{
    setObjectName(QStringLiteral("Harmonies"));
    setWindowTitle(tr("Harmonies"));
    setFixedSize(kClientWidth, kClientHeight);

    kinds_ = new QComboBox(this);
    kinds_->setObjectName(QStringLiteral("Combo1"));
    kinds_->setAccessibleName(tr("Harmony kind"));
    kinds_->setGeometry(twipsRect(0, 0, 1680, 315));
    for (const HarmonyKind& kind : kHarmonyKinds)
        kinds_->addItem(tr(kind.name));

    // Made in index order, so square 2 starts on top.
    for (int index = 0; index < 3; ++index) {
        auto* square = new SwatchWidget(tr("Harmony colour %1").arg(index + 1), this);
        square->setObjectName(QStringLiteral("Picture1_%1").arg(index));
        square->setGeometry(
            twipsRect(kSquareLeft[index], kSquareTop[index], kSquareSide, kSquareSide));
        square->setDraggable(false);
        square->installEventFilter(this);
        connect(square, &SwatchWidget::hovered, this,
                [square] { square->setToolTip(qText(hashHex(square->color()))); });
        connect(square, &SwatchWidget::released, this,
                [this, index](Qt::MouseButton button, QPoint position) {
                    releaseSquare(index, button, position);
                });
        // Enter chooses the colour as a double click does; Shift+F10 asks for the popup.
        connect(square, &SwatchWidget::activated, this,
                [this, square] { emit colorChosenWithUndo(square->color()); });
        connect(square, &SwatchWidget::menuRequested, this, [this, index](QPoint position) {
            releaseSquare(index, Qt::RightButton, position);
        });
        squares_[index] = square;
    }

    connect(kinds_, &QComboBox::currentIndexChanged, this, &HarmoniesWindow::ReHar);
    // Every opening starts with Complements.
    kinds_->setCurrentIndex(0);
    ReHar();
}

void HarmoniesWindow::ReHar()
{
    const auto shown = harmonySquares(kinds_->currentIndex(), state_.HarmonyColors);
    if (!shown)
        return;
    for (int index = 0; index < 3; ++index)
        squares_[index]->setColor(shown->colors[index]);
    squares_[2]->setVisible(shown->showsThird);
}

bool HarmoniesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A square that takes the focus comes to the front, so that its whole focus frame shows.
    if (event->type() == QEvent::FocusIn)
        static_cast<QWidget*>(watched)->raise();
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (SwatchWidget* square : squares_) {
            if (watched == square) {
                emit colorChosenWithUndo(square->color());
                return true;
            }
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void HarmoniesWindow::releaseSquare(int index, Qt::MouseButton button, QPoint position)
{
    SwatchWidget* square = squares_[index];
    if (button == Qt::LeftButton) {
        square->raise();
    } else if (button == Qt::RightButton) {
        state_.PopupColor = square->color();
        emit popupRequested(square->mapToGlobal(position));
    }
}

} // namespace orvane
