// SPDX-License-Identifier: MIT
#include "mainwindow/ValueEntryPanel.h"

#include "colour/Adjustments.h"
#include "colour/ColorValue.h"
#include "colour/ValueEntryRules.h"
#include "mainwindow/FilteringValidator.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace orvane {

namespace {

constexpr int kLabelWidth = 46;
constexpr int kBoxHeight = 22;
constexpr int kHexBoxWidth = 64;
constexpr int kChannelBoxWidth = 40;
constexpr int kButtonWidth = 104;
constexpr int kSliderWidth = 118;
constexpr int kChannelRowTop = 72;
constexpr int kRowPitch = 28;

QLabel* addLabel(const QString& text, QLineEdit* buddy, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setGeometry(0, top, kLabelWidth, kBoxHeight);
    return label;
}

} // namespace

ValueEntryPanel::ValueEntryPanel(QWidget* parent) : QWidget(parent)
{
    hexBox_ = new QLineEdit(this);
    hexBox_->setObjectName(QStringLiteral("Text1"));
    hexBox_->setAccessibleName(tr("HEX value"));
    hexBox_->setValidator(new FilteringValidator(hexBoxEdit, hexBox_));
    hexBox_->setGeometry(kLabelWidth, 0, kHexBoxWidth, kBoxHeight);
    addLabel(tr("HE&X"), hexBox_, 0, this);

    setHexButton_ = new QPushButton(tr("Set HEX"), this);
    setHexButton_->setObjectName(QStringLiteral("Command2"));
    setHexButton_->setGeometry(0, kRowPitch, kButtonWidth, kBoxHeight + 4);
    connect(setHexButton_, &QPushButton::clicked, this, &ValueEntryPanel::setHexRequested);

    const std::array<QString, 3> labels{tr("&Red"), tr("&Green"), tr("&Blue")};
    const std::array<QString, 3> names{tr("Red value"), tr("Green value"), tr("Blue value")};
    for (int channel = 0; channel < 3; ++channel) {
        const int top = kChannelRowTop + channel * kRowPitch;
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(channel + 2));
        box->setAccessibleName(names[channel]);
        box->setValidator(new FilteringValidator(channelBoxEdit, box));
        box->setGeometry(kLabelWidth, top, kChannelBoxWidth, kBoxHeight);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, channel] { settleChannelBox(channel); });
        addLabel(labels[channel], box, top, this);
        channelBoxes_[channel] = box;

        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("Slider%1").arg(channel + 1));
        slider->setAccessibleName(names[channel]);
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setGeometry(kLabelWidth + kChannelBoxWidth + 6, top, kSliderWidth, kBoxHeight);
        slider->hide();
        slider->installEventFilter(this);
        connect(slider, &QSlider::valueChanged, box,
                [box](int value) { box->setText(QString::number(value)); });
        sliders_[channel] = slider;
    }

    setRgbButton_ = new QPushButton(tr("Set RGB"), this);
    setRgbButton_->setObjectName(QStringLiteral("Command1"));
    setRgbButton_->setGeometry(0, kChannelRowTop + 3 * kRowPitch, kButtonWidth, kBoxHeight + 4);
    connect(setRgbButton_, &QPushButton::clicked, this, &ValueEntryPanel::setRgbRequested);
}

QList<QLineEdit*> ValueEntryPanel::boxes() const
{
    return {hexBox_, channelBoxes_[0], channelBoxes_[1], channelBoxes_[2]};
}

QString ValueEntryPanel::hexText() const
{
    return hexBox_->text();
}

std::array<QString, 3> ValueEntryPanel::channelTexts() const
{
    return {channelBoxes_[0]->text(), channelBoxes_[1]->text(), channelBoxes_[2]->text()};
}

void ValueEntryPanel::setHexText(const QString& text)
{
    hexBox_->setText(text);
}

void ValueEntryPanel::setChannelTexts(const std::array<QString, 3>& texts)
{
    for (int channel = 0; channel < 3; ++channel)
        channelBoxes_[channel]->setText(texts[channel]);
}

void ValueEntryPanel::applyChannelRule(int (*rule)(int channel, int step), int step)
{
    std::array<QString, 3> texts = channelTexts();
    for (QString& text : texts)
        text = QString::number(rule(static_cast<int>(channelValue(text.toStdString())), step));
    setChannelTexts(texts);
}

void ValueEntryPanel::applySaturationShift(ColorWorkspace& workspace, double delta)
{
    const std::array<QString, 3> texts = channelTexts();
    const RgbChannels c = shiftSaturation(workspace, channelValue(texts[0].toStdString()),
                                          channelValue(texts[1].toStdString()),
                                          channelValue(texts[2].toStdString()), delta);
    setChannelTexts({QString::number(c.red), QString::number(c.green), QString::number(c.blue)});
}

void ValueEntryPanel::settleChannelBox(int channel)
{
    QLineEdit* box = channelBoxes_[channel];
    const QString settled = QString::fromStdString(settledChannelText(box->text().toStdString()));
    if (settled != box->text())
        box->setText(settled);
}

void ValueEntryPanel::showSlider(int channel)
{
    const double value = channelValue(channelBoxes_[channel]->text().toStdString());
    sliders_[channel]->setValue(static_cast<int>(value));
    sliders_[channel]->show();
    sliders_[channel]->setFocus(Qt::OtherFocusReason);
}

bool ValueEntryPanel::hideSliders()
{
    bool anyShowing = false;
    for (QSlider* slider : sliders_) {
        anyShowing = anyShowing || slider->isVisible();
        slider->hide();
    }
    return anyShowing;
}

bool ValueEntryPanel::eventFilter(QObject* watched, QEvent* event)
{
    for (int channel = 0; channel < 3; ++channel) {
        if (watched == channelBoxes_[channel] && event->type() == QEvent::MouseButtonDblClick) {
            showSlider(channel);
            return true;
        }
        QSlider* slider = sliders_[channel];
        if (watched == slider && event->type() == QEvent::FocusOut && slider->isVisible()) {
            // Switching to another program is not leaving the slider.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                slider->hide();
                emit setRgbRequested();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
