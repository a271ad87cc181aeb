// SPDX-License-Identifier: MIT
#pragma once

#include "core/AppState.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace orvane {

// Quick Tips: one tip at a time from the tips file, Previous and Next with wrapping, and the
// box that decides whether the window opens at start-up. Shown modally.
class TipsWindow : public QDialog {
    Q_OBJECT
public:
    // random gives a number in [0, 1) that picks the first tip.
    TipsWindow(AppState& state, const std::filesystem::path& tipsFile,
               const std::function<double()>& random, QWidget* parent = nullptr);

    void showPrevious();
    void showNext();
    QString currentTip() const;

protected:
    void done(int result) override;

private:
    void showTip();

    AppState& state_;
    std::vector<std::string> tips_;
    int index_ = 0;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* showAtStart_ = nullptr;
};

} // namespace orvane
