// SPDX-License-Identifier: MIT
#include "mainwindow/ClientArea.h"

#include <QMouseEvent>

namespace orvane {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ClientArea::mouseMoveEvent(QMouseEvent*)
{
    emit backgroundHovered();
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit backgroundClicked();
}

} // namespace orvane
