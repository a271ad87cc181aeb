// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace orvane {

// The program's picture, version and web address. Doubles as the start-up splash: it stays on
// top, and closes itself after three seconds or when clicked.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

inline constexpr int kAboutLifetimeMs = 3000;

} // namespace orvane
