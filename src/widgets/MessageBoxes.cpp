// SPDX-License-Identifier: MIT
#include "widgets/MessageBoxes.h"

#include <QMessageBox>

namespace orvane {

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

} // namespace orvane
