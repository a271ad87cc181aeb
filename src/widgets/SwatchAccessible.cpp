// SPDX-License-Identifier: MIT
#include "widgets/SwatchAccessible.h"

#include "widgets/SwatchWidget.h"

namespace orvane {

namespace {

QAccessibleInterface* makeSwatchAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(SwatchWidget::staticMetaObject.className()))
        return new SwatchAccessible(static_cast<SwatchWidget*>(object));
    return nullptr;
}

} // namespace

SwatchAccessible::SwatchAccessible(SwatchWidget* swatch)
    : QAccessibleWidget(swatch, QAccessible::Button)
{
}

SwatchWidget* SwatchAccessible::swatch() const
{
    return static_cast<SwatchWidget*>(widget());
}

QAccessible::Role SwatchAccessible::role() const
{
    return swatch()->isActivatable() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList SwatchAccessible::actionNames() const
{
    if (!swatch()->isActivatable())
        return QAccessibleWidget::actionNames();
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
}

void SwatchAccessible::doAction(const QString& actionName)
{
    if (swatch()->isActivatable() && actionName == pressAction())
        swatch()->activate();
    else if (swatch()->isActivatable() && actionName == showMenuAction())
        swatch()->requestMenu();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList SwatchAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (swatch()->isActivatable() && actionName == pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    if (swatch()->isActivatable() && actionName == showMenuAction())
        return {QStringLiteral("Shift+F10")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installSwatchAccessible()
{
    // Qt keeps the factory for the life of the program; it is installed on the first call.
    static const bool installed = [] {
        QAccessible::installFactory(makeSwatchAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orvane
