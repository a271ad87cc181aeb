// SPDX-License-Identifier: MIT
#include "mainwindow/VisionMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace orvane {

VisionMenu::VisionMenu(QMenu* view, QWidget* window) : QObject(window), window_(window)
{
    struct Item {
        ColorVision vision;
        const char* name;
        QString caption;
        QString viewer;
    };
    const Item items[] = {
        {ColorVision::Normal, "Normal_Vision", tr("&Normal Vision"), QString()},
        {ColorVision::Protanopia, "Protanopia", tr("&Protanopia"), tr("protanopia")},
        {ColorVision::Deuteranopia, "Deuteranopia", tr("&Deuteranopia"), tr("deuteranopia")},
        {ColorVision::Tritanopia, "Tritanopia", tr("&Tritanopia"), tr("tritanopia")},
        {ColorVision::Achromatopsia, "Achromatopsia", tr("&Achromatopsia"), tr("achromatopsia")},
    };
    view->addSeparator();
    QMenu* menu = view->addMenu(tr("Simulate Colour &Vision"));
    menu->setObjectName(QStringLiteral("Simulate_Colour_Vision"));
    auto* group = new QActionGroup(menu);
    for (const Item& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setChecked(item.vision == ColorVision::Normal);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, vision = item.vision, viewer = item.viewer] { choose(vision, viewer); });
    }
}

void VisionMenu::choose(ColorVision vision, const QString& viewer)
{
    vision_.setVision(vision);
    window_->setWindowTitle(viewer.isEmpty() ? QStringLiteral("Orvane")
                                             : tr("Orvane (simulating %1)").arg(viewer));
}

} // namespace orvane
