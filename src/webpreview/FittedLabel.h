// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace orvane {

// A line of text given less room than a broad font needs, as the status bar hint that takes what
// the other panels leave: the text is then squeezed to fit rather than cut off.
class FittedLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvane
