// SPDX-License-Identifier: MIT
#pragma once

#include "webpreview/WebPage.h"

#include <QFrame>
#include <array>

class QLabel;

namespace orvane {

// Below the mock page: each of its five texts on the background behind it, with the contrast
// ratio and whether it reaches the levels AA and AAA for normal-sized text, which all of the
// page's texts are. Each line's accessible name is its text.
class ContrastPanel : public QFrame {
    Q_OBJECT
public:
    explicit ContrastPanel(QWidget* parent);

    void showColors(const WebPageColors& colors);

private:
    std::array<QLabel*, 5> lines_{};
};

} // namespace orvane
