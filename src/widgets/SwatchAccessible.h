// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

namespace orvane {

class SwatchWidget;

// A swatch as a screen reader meets it: a button named after the swatch and its colour, which
// its press action activates and its menu action asks the menu of. A swatch that only shows a
// colour is a picture.
class SwatchAccessible : public QAccessibleWidget {
public:
    explicit SwatchAccessible(SwatchWidget* swatch);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    SwatchWidget* swatch() const;
};

// Lets Qt's accessibility build a SwatchAccessible for every swatch; needed once, before the
// first swatch is asked about.
void installSwatchAccessible();

} // namespace orvane
