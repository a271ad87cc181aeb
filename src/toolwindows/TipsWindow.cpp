// SPDX-License-Identifier: MIT
#include "toolwindows/TipsWindow.h"

#include <algorithm>

#include "colour/ColorValue.h"
#include "core/TipsFile.h"
#include "widgets/QtConversions.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace orvane {

TipsWindow::TipsWindow(AppState& state, const std::filesystem::path& tipsFile,
                       const std::function<double()>& random, QWidget* parent)
    : QDialog(parent), state_(state)
{
    bool tooLarge = false;
    tips_ = readTipsFile(tipsFile, &tooLarge);
    setObjectName(QStringLiteral("Tips"));
    setWindowTitle(tr("Quick Tips"));
    setFixedSize(294, 136);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setAccessibleName(tr("Tip"));
    text_->setReadOnly(true);
    text_->setGeometry(7, 6, 280, 100);

    auto* previous = new QPushButton(tr("Previous"), this);
    previous->setObjectName(QStringLiteral("Command1"));
    previous->setAccessibleName(tr("Previous tip"));
    previous->setGeometry(160, 112, 60, 20);
    connect(previous, &QPushButton::clicked, this, &TipsWindow::showPrevious);

    auto* next = new QPushButton(tr("Next"), this);
    next->setObjectName(QStringLiteral("Command2"));
    next->setAccessibleName(tr("Next tip"));
    next->setGeometry(224, 112, 60, 20);
    connect(next, &QPushButton::clicked, this, &TipsWindow::showNext);

    showAtStart_ = new QCheckBox(tr("Show in start-up"), this);
    showAtStart_->setObjectName(QStringLiteral("Check1"));
    showAtStart_->setAccessibleName(tr("Show in start-up"));
    // As wide as the room before the buttons leaves, for the longer translations.
    showAtStart_->setGeometry(7, 115, 150, 14);
    showAtStart_->setChecked(isSet(state_.ShowTipsAtStart));

    // Without a tips file the window still opens and says why it has nothing to show.
    if (tips_.empty()) {
        const QString name = pathToQString(tipsFile.filename().string());
        tips_.push_back((tooLarge ? tr("No tips are available: %1 is larger than 1 MB.")
                                  : tr("No tips are available: %1 is missing or empty."))
                            .arg(name)
                            .toStdString());
    }
    // Rounded half to even: the first and last tip come up half as often as the others.
    index_ = static_cast<int>(roundHalfEven(random() * static_cast<double>(tips_.size() - 1)));
    showTip();

    move(screen()->availableGeometry().center() - rect().center());
}

void TipsWindow::showPrevious()
{
    index_ = index_ == 0 ? static_cast<int>(tips_.size()) - 1 : index_ - 1;
    showTip();
}

void TipsWindow::showNext()
{
    index_ = index_ == static_cast<int>(tips_.size()) - 1 ? 0 : index_ + 1;
    showTip();
}

QString TipsWindow::currentTip() const
{
    return text_->toPlainText();
}

void TipsWindow::showTip()
{
    // Laying out one very long line without spaces takes time that grows with the square of
    // its length; no real tip comes near this, so a stray huge line is cut rather than
    // freezing the window.
    constexpr std::size_t kLongestTip = 4000;
    const std::string& tip = tips_[static_cast<std::size_t>(index_)];
    const std::size_t shown = std::min(tip.size(), kLongestTip);
    text_->setPlainText(QString::fromUtf8(tip.data(), static_cast<qsizetype>(shown)));
}

void TipsWindow::done(int result)
{
    // A greyed box counts as ticked, as only a clear box turns the tips off.
    state_.ShowTipsAtStart = toFlag(showAtStart_->checkState() != Qt::Unchecked);
    QDialog::done(result);
}

} // namespace orvane
