// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace orvane {

// The main window's client area. Its bare background reports the pointer and clicks; the
// controls placed on it report their own.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent = nullptr);

signals:
    void backgroundHovered();
    void backgroundClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orvane
