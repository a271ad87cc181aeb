#pragma once

#include <QLabel>

namespace orvane {

// A status bar hint that takes the room the other panels leave, which a broad font can make too
// little: the text is then squeezed to fit rather than cut off.
class HintPanel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvane
