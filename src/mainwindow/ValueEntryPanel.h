// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;
class QSlider;

namespace orvane {

struct ColorWorkspace;

// The value boxes of the main window: HEX (Text1) with "Set HEX" (Command2), red, green and
// blue (Text2-Text4) with "Set RGB" (Command1), and a slider beside each channel box
// (Slider1-Slider3) that appears on a double-click and applies its value when it loses focus.
class ValueEntryPanel : public QWidget {
    Q_OBJECT
public:
    explicit ValueEntryPanel(QWidget* parent = nullptr);

    QLineEdit* hexBox() const { return hexBox_; }
    QLineEdit* channelBox(int channel) const { return channelBoxes_[channel]; }
    QSlider* slider(int channel) const { return sliders_[channel]; }
    QList<QLineEdit*> boxes() const;

    QString hexText() const;
    std::array<QString, 3> channelTexts() const;
    void setHexText(const QString& text);
    void setChannelTexts(const std::array<QString, 3>& texts);

    // The Adjust commands' step on the channel boxes: each box's number replaced by
    // rule(number, step), or the boxes' colour's saturation moved by delta through the
    // workspace. Applying the boxes is left to the caller.
    void applyChannelRule(int (*rule)(int channel, int step), int step);
    void applySaturationShift(ColorWorkspace& workspace, double delta);

    // Hides every slider; true when one was showing.
    bool hideSliders();

signals:
    void setRgbRequested();
    void setHexRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSlider(int channel);
    void settleChannelBox(int channel);

    QLineEdit* hexBox_;
    QPushButton* setHexButton_;
    std::array<QLineEdit*, 3> channelBoxes_{};
    std::array<QSlider*, 3> sliders_{};
    QPushButton* setRgbButton_;
};

} // namespace orvane
