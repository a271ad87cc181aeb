// SPDX-License-Identifier: MIT
#include "toolwindows/FavoritesWindow.h"

#include "widgets/DrawnIcon.h"
#include "widgets/QtConversions.h"
#include "widgets/SwatchWidget.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QToolButton>

namespace orvane {

namespace {

// An empty slot's swatch shows light grey (&HE0E0E0).
constexpr ColorValue kEmptySlotColor = 0xE0E0E0;
constexpr int kSlotPitch = 960;
constexpr int kLabelHeight = 360; // two lines of the 8 x 12 pixel Terminal font
constexpr int kClientWidth = 1230;
constexpr int kClientHeight = kSlotPitch * (kFavoriteSlots - 1) + 600 + kLabelHeight + 30;
constexpr int kCrossSize = 8;

// The keep-on-top box is a graphical check box: a button that stays pressed while checked,
// with a pin on it and no text.
class PinCheckBox : public QCheckBox {
public:
    explicit PinCheckBox(QWidget* parent) : QCheckBox(parent) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.features = QStyleOptionButton::None;
        const bool sunken = isChecked() || isDown();
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (isChecked())
            option.state |= QStyle::State_On;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }

        // A pin: standing with its needle showing, or pushed in while the box is checked.
        const double shift = sunken ? 1.0 : 0.0;
        const QPointF centre(width() / 2.0 + shift, height() / 2.0 + shift);
        const double needle = isChecked() ? 2.0 : 6.0;
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = palette().color(QPalette::ButtonText);
        painter.setPen(QPen(ink, 1.0));
        painter.drawLine(centre + QPointF(0, 0.5), centre + QPointF(0, 0.5 + needle));
        painter.setBrush(QColor(200, 30, 30));
        painter.drawEllipse(centre + QPointF(0, isChecked() ? -1.0 : -2.5), 3.0, 3.0);
    }
};

// A small cross drawn pixel by pixel in device pixels, its strokes one pixel thicker at each
// scale, so that it stays sharp.
void paintCross(QPainter& painter, const QColor& ink)
{
    const int scale = static_cast<int>(painter.device()->devicePixelRatio());
    const int size = kCrossSize * scale;
    painter.scale(1.0 / scale, 1.0 / scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));
    for (int offset = 0; offset <= scale; ++offset) {
        painter.drawLine(offset, 0, size - 1, size - 1 - offset);
        painter.drawLine(0, offset, size - 1 - offset, size - 1);
        painter.drawLine(offset, size - 1, size - 1, offset);
        painter.drawLine(0, size - 1 - offset, size - 1 - offset, 0);
    }
}

// A fixed-pitch font small enough that the widest value fits the label in two lines.
QFont fittingLabelFont(const QSize& labelSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    for (int pixels = 12; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(QStringLiteral("255.255.255")) <= labelSize.width() &&
            2 * metrics.lineSpacing() <= labelSize.height())
            break;
    }
    return font;
}

} // namespace

FavoritesWindow::FavoritesWindow(AppState& state, std::function<ColorValue()> currentColor,
                                 QWidget* parent)
    : ToolWindow(state.FavoritesLeft, state.FavoritesTop, parent), state_(state),
      currentColor_(std::move(currentColor))
{
    setObjectName(QStringLiteral("Favorites"));
    setWindowTitle(tr("Favorites"));
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

    // Every label has the same size, so the font that fits is worked out once.
    const QFont labelFont = fittingLabelFont(twipsRect(0, 0, 1200, kLabelHeight).size());
    for (int index = 0; index < kFavoriteSlots; ++index)
        buildSlot(index, labelFont);
    buildKeepOnTop();

    for (int index = 0; index < kFavoriteSlots; ++index)
        SetFavX(index);
}

void FavoritesWindow::buildSlot(int index, const QFont& labelFont)
{
    const QString number = QString::number(index);
    const int top = kSlotPitch * index;

    auto* swatch = new SwatchWidget(tr("Favorite %1").arg(index + 1), this);
    swatch->setObjectName(QStringLiteral("Picture1_") + number);
    swatch->setGeometry(twipsRect(330, top, 555, 555));
    swatch->setAcceptsForeignDrops(true);
    connect(swatch, &SwatchWidget::pressed, this, [this, index] { swatchPressed(index); });
    connect(swatch, &SwatchWidget::released, this,
            [this, index](Qt::MouseButton button, QPoint position) {
                swatchReleased(index, button, position);
            });
    connect(swatch, &SwatchWidget::dropped, this, [this, index](ColorValue color, bool fromItself) {
        swatchDropped(index, color, fromItself);
    });
    connect(swatch, &SwatchWidget::hovered, this, [this, index] { updateCursor(index); });
    // The keys do what a click of that button does.
    connect(swatch, &SwatchWidget::activated, this, [this, index] {
        swatchPressed(index);
        swatchReleased(index, Qt::LeftButton, QPoint());
    });
    connect(swatch, &SwatchWidget::menuRequested, this, [this, index](QPoint position) {
        swatchPressed(index);
        swatchReleased(index, Qt::RightButton, position);
    });
    swatches_[index] = swatch;

    auto* clear = new QToolButton(this);
    clear->setObjectName(QStringLiteral("Command1_") + number);
    clear->setGeometry(twipsRect(930, top, 210, 210));
    const QColor ink = clear->palette().color(QPalette::ButtonText);
    clear->setIcon(drawnIcon(kCrossSize, [ink](QPainter& painter) { paintCross(painter, ink); }));
    clear->setIconSize(QSize(kCrossSize, kCrossSize));
    clear->setToolTip(tr("Clear this favorite"));
    clear->setAccessibleName(tr("Clear favorite %1").arg(index + 1));
    connect(clear, &QToolButton::clicked, this, [this, index] { clearSlot(index); });
    clearButtons_[index] = clear;

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1_") + number);
    label->setGeometry(twipsRect(0, top + 600, 1200, kLabelHeight));
    label->setFont(labelFont);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    labels_[index] = label;
}

void FavoritesWindow::buildKeepOnTop()
{
    keepOnTop_ = new PinCheckBox(this);
    keepOnTop_->setObjectName(QStringLiteral("Check1"));
    keepOnTop_->setGeometry(twipsRect(30, 30, 255, 255));
    keepOnTop_->setToolTip(tr("Keep this window on top"));
    keepOnTop_->setAccessibleName(tr("Keep on top"));
    connect(keepOnTop_, &QCheckBox::toggled, this, &FavoritesWindow::setKeepOnTop);
}

void FavoritesWindow::SetFavX(int index)
{
    if (index < 0 || index >= kFavoriteSlots)
        return;
    const ColorValue color = state_.FavColors[index];
    SwatchWidget* swatch = swatches_[index];
    if (color < 0) {
        swatch->setColor(kEmptySlotColor);
        swatch->setAccessibleName(tr("Favorite %1, empty").arg(index + 1));
        labels_[index]->setText(QStringLiteral("...,...,...\n#......"));
    } else {
        swatch->setColor(color);
        swatch->setAccessibleName(tr("Favorite %1").arg(index + 1) + QStringLiteral(", ") +
                                  qText(hashHex(color)));
        labels_[index]->setText(qText(dottedRgb(color)) + QLatin1Char('\n') +
                                qText(hashHex(color)));
    }
    updateCursor(index);
}

void FavoritesWindow::updateCursor(int index)
{
    swatches_[index]->setCursor(state_.FavColors[index] >= 0 ? Qt::PointingHandCursor
                                                             : Qt::ArrowCursor);
}

void FavoritesWindow::swatchPressed(int index)
{
    if (state_.FavColors[index] >= 0)
        return;
    state_.FavColors[index] = currentColor_();
    SetFavX(index);
}

void FavoritesWindow::swatchReleased(int index, Qt::MouseButton button, QPoint position)
{
    const ColorValue color = state_.FavColors[index];
    if (color < 0)
        return;
    if (button == Qt::LeftButton) {
        emit colorChosenWithUndo(color);
    } else if (button == Qt::RightButton) {
        state_.PopupColor = color;
        emit popupRequested(swatches_[index]->mapToGlobal(position));
    }
}

void FavoritesWindow::swatchDropped(int index, ColorValue color, bool fromItself)
{
    state_.FavColors[index] = color;
    SetFavX(index);
    if (fromItself)
        swatchReleased(index, Qt::LeftButton, QPoint());
}

void FavoritesWindow::clearSlot(int index)
{
    state_.FavColors[index] = kNoColor;
    SetFavX(index);
}

void FavoritesWindow::setKeepOnTop(bool onTop)
{
    // Changing the hint re-creates the native window and hides it: put it back where it was.
    const QPoint where = pos();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    move(where);
    if (wasVisible)
        show();
}

} // namespace orvane
