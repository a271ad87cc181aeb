#include "toolwindows/TipsWindow.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace orvane {
namespace {

const QString kNoTips = QStringLiteral("No tips are available: tips.txt is missing or empty.");

class TipsWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        SetDefaults(state_);
    }

    std::filesystem::path tipsPath() const
    {
        return std::filesystem::path(folder_.path().toStdString()) / "tips.txt";
    }

    // Opens the window with the random number fixed.
    TipsWindow& open(double random)
    {
        window_ = std::make_unique<TipsWindow>(state_, tipsPath(), [random] { return random; });
        return *window_;
    }

    QPushButton* button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    QCheckBox* checkBox() const { return window_->findChild<QCheckBox*>("Check1"); }

    QTemporaryDir folder_;
    AppState state_;
    std::unique_ptr<TipsWindow> window_;
};

// Rows: file (nullptr: none), random number, steps ('>' Next, '<' Previous), tip shown. The
// first tip is the random number times the last index, rounded half to even.
TEST_F(TipsWindowTest, WalksThroughTheFile)
{
    const std::tuple<const char*, double, const char*, QString> cases[] = {
        {"A\r\nB\r\nC\r\n", 0.99, "><", "C"}, // wraps forwards and back
        {"A\r\nB\r\nC\r\n", 0.25, "", "A"},   // 0.5 rounds to 0
        {"A\r\nB\r\nC\r\n", 0.75, "", "C"},   // 1.5 rounds to 2
        {"The only tip", 0.7, "><", "The only tip"},
        {nullptr, 0.99, ">", kNoTips},
        {"", 0.5, "<", kNoTips},
    };
    for (const auto& [file, random, steps, expected] : cases) {
        std::filesystem::remove(tipsPath());
        if (file)
            std::ofstream(tipsPath(), std::ios::binary) << file;
        TipsWindow& tips = open(random);
        for (const char* step = steps; *step; ++step)
            QTest::mouseClick(button(*step == '>' ? "Command2" : "Command1"), Qt::LeftButton);
        EXPECT_EQ(tips.currentTip(), expected) << random << steps;
    }
}

// A huge line without spaces would take minutes to lay out; it is shown cut short, and the
// tips after it are whole.
TEST_F(TipsWindowTest, AHugeLineIsShownCutShort)
{
    std::ofstream(tipsPath(), std::ios::binary) << std::string(400000, 'x') << "\nshort tip\n";
    TipsWindow& tips = open(0);
    EXPECT_EQ(tips.currentTip(), QString(4000, 'x'));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(tips.currentTip(), "short tip");
}

// Only a clear box turns the tips off; a greyed one counts as ticked.
TEST_F(TipsWindowTest, StartUpBoxIsStoredHoweverTheWindowCloses)
{
    using Close = void (*)(TipsWindow&);
    const std::tuple<Qt::CheckState, Close, Flag16> cases[] = {
        {Qt::Unchecked, [](TipsWindow& w) { w.reject(); }, kFlagFalse},
        {Qt::Checked, [](TipsWindow& w) { w.close(); }, kFlagTrue},
        {Qt::Unchecked, [](TipsWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }, kFlagFalse},
        {Qt::PartiallyChecked, [](TipsWindow& w) { w.accept(); }, kFlagTrue},
    };
    for (const auto& [box, close, expected] : cases) {
        state_.ShowTipsAtStart = expected == kFlagTrue ? kFlagFalse : kFlagTrue;
        open(0).show();
        checkBox()->setCheckState(box);
        close(*window_);
        EXPECT_EQ(state_.ShowTipsAtStart, expected) << box;
    }
}

} // namespace
} // namespace orvane
