// SPDX-License-Identifier: MIT
#include "mainwindow/CopyAsMenu.h"

#include "mainwindow/MainActions.h"
#include "widgets/QtConversions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace orvane {

namespace {

void copy(CopyForm form, ColorValue color)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(qText(copyText(form, color)));
}

} // namespace

CopyAsMenu::CopyAsMenu(const MainActions& actions, const AppState& state,
                       std::function<ColorValue()> currentColor, QObject* parent)
    : QObject(parent)
{
    connect(actions.copyHex, &QAction::triggered, this,
            [currentColor] { copy(CopyForm::WebHex, currentColor()); });
    connect(actions.popupCopyHex, &QAction::triggered, this,
            [&state] { copy(CopyForm::WebHex, state.PopupColor); });
    editItems_ = fill(actions.copyAsMenu, "Copy_As_", currentColor);
    fill(actions.popupCopyAsMenu, "pop_Copy_As_", [&state] { return state.PopupColor; });
    editItems_[0]->setShortcut(kCopyAsLastShortcut);
}

CopyAsMenu::Items CopyAsMenu::fill(QMenu* menu, const char* namePrefix,
                                   std::function<ColorValue()> color)
{
    Items items{};
    for (int index = 0; index < kCopyFormCount; ++index) {
        const auto form = static_cast<CopyForm>(index);
        items[index] = menu->addAction(QString());
        items[index]->setObjectName(QLatin1String(namePrefix) + QString::number(index));
        connect(items[index], &QAction::triggered, this, [this, form, color] {
            copy(form, color());
            choose(form);
        });
    }
    // The texts follow the colour each time the menu opens.
    const auto label = [items, color] {
        for (int index = 0; index < kCopyFormCount; ++index)
            items[index]->setText(qText(copyText(static_cast<CopyForm>(index), color())));
    };
    connect(menu, &QMenu::aboutToShow, this, label);
    label();
    return items;
}

void CopyAsMenu::choose(CopyForm form)
{
    for (int index = 0; index < kCopyFormCount; ++index)
        editItems_[index]->setShortcut(index == static_cast<int>(form) ? kCopyAsLastShortcut
                                                                       : QKeySequence());
}

} // namespace orvane
